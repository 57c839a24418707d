#include "LibgpiodLines.h"

#include "PortText.h"

#include <exception>

std::string LibgpiodLines::request(const std::string &chip, const std::vector<unsigned> &offsets,
                                   const std::string &consumer)
{
    try {
        chip_.open(chip);
    } catch (const std::exception &error) {
        return fillIn(portText("LibgpiodLines", "There is no GPIO chip %1 (%2)."), {chip, error.what()});
    }
    try {
        lines_ = chip_.get_lines(offsets);
        lines_.request({consumer, gpiod::line_request::DIRECTION_OUTPUT, 0},
                       std::vector<int>(offsets.size(), 0));
    } catch (const std::exception &error) {
        lines_ = gpiod::line_bulk();
        chip_.reset();
        return fillIn(portText("LibgpiodLines", "Cannot take the GPIO lines of %1 as outputs (%2). Check the line "
                                                "offsets and that no other program holds them."),
                      {chip, error.what()});
    }
    return {};
}

std::string LibgpiodLines::setValues(const std::vector<int> &values)
{
    try {
        lines_.set_values(values);
    } catch (const std::exception &error) {
        return fillIn(portText("LibgpiodLines", "A GPIO line stopped answering (%1)."), {error.what()});
    }
    return {};
}

void LibgpiodLines::release()
{
    try {
        if (!lines_.empty())
            lines_.release();
    } catch (const std::exception &) {
        // Nothing more can be done for lines that are already gone.
    }
    lines_ = gpiod::line_bulk();
    chip_.reset();
}
