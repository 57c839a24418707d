#include "RecordingBackend.h"

namespace {

class RecordingBackend final : public PortBackend {
public:
    explicit RecordingBackend(std::shared_ptr<PortRecord> record) : record_(std::move(record)) {}

    std::string open() override
    {
        record_->calls.push_back("open");
        return record_->openFailure;
    }
    std::string write(std::uint8_t lines) override
    {
        record_->calls.push_back("write " + lineText(lines));
        record_->writeTimes.push_back(std::chrono::steady_clock::now());
        return record_->writeFailure;
    }
    void close() override { record_->calls.push_back("close"); }

private:
    std::shared_ptr<PortRecord> record_;
};

} // namespace

RecordedPort::RecordedPort() : device(std::make_unique<RecordingBackend>(backend)) {}

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
