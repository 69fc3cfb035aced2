#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvaro {

// `kelvaro info [THEMA]`: the text of topic 0..10 line by line, as the info window shows it,
// or without a topic the topics with the captions of their buttons. Returns the exit code.
int InfoBefehl(const std::vector<std::string>& parameter, std::ostream& out, std::ostream& err);

}  // namespace kelvaro
