// What the output and process-lines panels share: two value columns of labels,
// cyan for the selected point or line and white otherwise.
#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <vector>

#include "Widgets.h"
#include "frmZolvane.h"

class QScrollBar;

namespace Chart {

inline constexpr int32_t ColumnCyan = 0xFFFF00;
inline constexpr int32_t ColumnWhite = 0xFFFFFF;

// Writes one value column (index 1 or 2) of the rows, all in one colour.
void FillColumn(std::initializer_list<LabelPair*> rows, int index, int32_t color,
                const std::vector<std::string>& texts);
void ClearColumn(std::initializer_list<LabelPair*> rows, int index);

// Sets the range, then the value; only a changed value raises the change handler.
void SetScrollRange(QScrollBar* bar, int maximum, int value);

}  // namespace Chart
