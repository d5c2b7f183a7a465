// What each command of velloway is for and how it is called: shown by the help, and with every
// usage error.
#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

namespace velloway::app {

// The one-line description of a command.
std::string Summary(const std::string& command);

// "usage: velloway ..." lines of one command, or of all commands when it is not one.
std::string UsageText(const std::string& command);

// Prints "velloway: PROBLEM" and the command's usage on stderr; returns the usage exit status.
int UsageError(const std::string& command, const std::string& problem);

// CLI11's help, with our usage lines in place of its own.
std::shared_ptr<CLI::Formatter> MakeUsageFormatter();

}  // namespace velloway::app
