// The probability-impact definition the register XML benchmarks put in their Options sheet:
// three probability levels and two impact levels, so that level lookups have work to do.
#pragma once

namespace velloway::bench {

inline constexpr const char* kPid =
    "<PID><LevelTypes><LevelType Name=\"Probability\"><Levels>"
    "<Level Position=\"1\"><ShortName>L</ShortName><FullName>Low</FullName></Level>"
    "<Level Position=\"2\"><ShortName>M</ShortName><FullName>Medium</FullName></Level>"
    "<Level Position=\"3\"><ShortName>H</ShortName><FullName>High</FullName></Level>"
    "</Levels></LevelType><LevelType Name=\"Impacts\"><Levels>"
    "<Level Position=\"1\"><ShortName>L</ShortName><FullName>Low</FullName></Level>"
    "<Level Position=\"2\"><ShortName>H</ShortName><FullName>High</FullName></Level>"
    "</Levels></LevelType></LevelTypes></PID>";

}  // namespace velloway::bench
