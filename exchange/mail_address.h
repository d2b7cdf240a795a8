#pragma once

// The addresses of a mail header field (From, To, Cc, ...), as far as the exports need them.

#include <string>
#include <string_view>
#include <vector>

namespace exchange {

// The addresses of an address list, split at the commas that lie outside quoted strings,
// comments and angle brackets, each without the white space around it; empty ones left out.
std::vector<std::string_view> splitAddressList(std::string_view list);

// The bare address of one address (user@host): what stands in its angle brackets, else its first
// word; empty when that holds white space, a control character or a byte beyond ASCII.
std::string bareAddressOf(std::string_view address);

} // namespace exchange
