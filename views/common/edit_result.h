#pragma once

namespace views {

// How an editor run ended.
enum class EditResult {
    Cancelled,
    Applied,
    Refused, // OK was pressed but the store refused the record; nothing changed
};

} // namespace views
