// The column layout of the risk and action sheets, as Options!B16 to B23 give it.
#pragma once

#include <cstdint>

namespace velloway {
struct LibraryState;
}

namespace velloway::registerxml {

// The layout values in the order of their cells, B16 first.
enum class Layout {
  PreProbability,     // B16: risk sheets, pre-mitigation probability
  PreScore,           // B17: risk sheets, pre-mitigation score
  PostProbability,    // B18: risk sheets, post-mitigation probability
  PostScore,          // B19: risk sheets, post-mitigation score
  ActionProbability,  // B20: action sheet, probability after the action
  ActionScore,        // B21: action sheet, score after the action
  FirstUserField,     // B22: risk sheets, first user field
  LastUserField,      // B23: risk sheets, last user field
};

// The column a layout value names: the text as the locale reads numbers, rounded half to even.
// An empty text, a text that is no number, or a number outside the columns of a sheet throws
// ConversionError: a layout that points nowhere is no layout.
std::int32_t LayoutColumn(LibraryState& state, Layout which);

}  // namespace velloway::registerxml
