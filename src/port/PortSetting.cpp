#include "PortSetting.h"

#include "Outputs.h"
#include "PortText.h"
#include "PrintableSetting.h"

namespace {

// Far longer than any real setting; longer text is refused before parsing.
constexpr std::size_t LongestSetting = 256;

// "A, B, C or D": every form a setting can take.
std::string everyForm()
{
    std::string forms;
    const auto all = outputs();
    for (std::size_t k = 0; k + 1 < all.size(); ++k)
        forms += (k == 0 ? "" : ", ") + std::string(all[k].form);
    return fillIn(portText("PortSetting", "%1 or %2"), {forms, all.back().form});
}

// `why` says what is wrong with the setting, as the rest of a sentence that
// the setting starts.
PortSetting refuse(std::string_view text, const std::string &why)
{
    PortSetting setting;
    setting.error = fillIn(portText("PortSetting", "The port setting \"%1\" %2 Use %3."),
                           {printableSetting(text), why, everyForm()});
    return setting;
}

PortSetting leftOut(const Output &output)
{
    PortSetting setting;
    setting.error = fillIn(portText("PortSetting", "This Lampotron was built without %1 (the build option %2 was off)."),
                           {portText("Outputs", std::string(output.leftOutAs).c_str()), output.buildOption});
    return setting;
}

} // namespace

PortSetting parsePortSetting(std::string_view text)
{
    if (text.size() > LongestSetting)
        return refuse(text, fillIn(portText("PortSetting", "is longer than %1 characters."),
                                   {std::to_string(LongestSetting)}));
    const Output *output = outputFor(text);
    if (output == nullptr)
        return refuse(text, portText("PortSetting", "is not understood."));
    if (!output->built())
        return leftOut(*output);
    SettingCheck check = output->parts.check(text.substr(output->prefix.size()));
    if (!check.refusal.empty())
        return refuse(text, check.refusal);
    return {PortSetting::Kind::Valid, output, std::move(check.device), {}};
}

bool sameDevice(const std::string &settingA, const std::string &settingB)
{
    const PortSetting a = parsePortSetting(settingA), b = parsePortSetting(settingB);
    return a.kind == PortSetting::Kind::Valid && a.output == b.output
           && (a.device == b.device || a.device.empty() || b.device.empty());
}

std::string settingForChoice(const std::string &current, const std::string &found)
{
    const PortSetting kept = parsePortSetting(current), chosen = parsePortSetting(found);
    const bool sameWay =
        kept.kind == PortSetting::Kind::Valid && kept.output == chosen.output && kept.device == chosen.device;
    return sameWay ? current : found;
}
