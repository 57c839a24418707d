#pragma once

#include <string>
#include <string_view>

// A setting as a message or a log line may quote it: at most 60 characters
// ("..." marks a cut), control characters written as \n, \t, \r or \xNN, so
// that a huge value cannot flood a log and a newline cannot forge a line.
std::string printableSetting(std::string_view text);
