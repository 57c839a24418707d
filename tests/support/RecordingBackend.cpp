#include "RecordingBackend.h"

std::string lineText(std::uint8_t lines)
{
    std::string text;
    for (int k = 0; k < 8; ++k)
        text += (lines >> k) & 1 ? '1' : '0';
    return text;
}

std::vector<std::string> PortRecord::writes() const
{
    std::vector<std::string> lines;
    for (const std::string &call : calls)
        if (call.rfind("write ", 0) == 0)
            lines.push_back(call.substr(6));
    return lines;
}

std::string RecordingBackend::open()
{
    record_->calls.push_back("open");
    return record_->openFailure;
}

std::string RecordingBackend::write(std::uint8_t lines)
{
    record_->calls.push_back("write " + lineText(lines));
    record_->writeTimes.push_back(std::chrono::steady_clock::now());
    return record_->writeFailure;
}

void RecordingBackend::close()
{
    record_->calls.push_back("close");
}
