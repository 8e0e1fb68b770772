#include "Panels.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include "Controls.h"
#include "Global.h"

namespace Chart {

void FillColumn(std::initializer_list<LabelPair*> rows, int index, int32_t color,
                const std::vector<std::string>& texts) {
    std::size_t i = 0;
    for (LabelPair* row : rows) {
        Platform::Label* label = (*row)[index];
        label->SetBackColor(color);
        label->setText(i < texts.size() ? Platform::ToQ(texts[i]) : QString());
        ++i;
    }
}

void ClearColumn(std::initializer_list<LabelPair*> rows, int index) {
    FillColumn(rows, index, ColumnWhite, {});
}

void SetScrollRange(QScrollBar* bar, int maximum, int value) {
    {
        // A shrinking range must not raise the change handler with a clamped value.
        QSignalBlocker block(bar);
        bar->setMaximum(maximum);
    }
    bar->setValue(value);
}

}  // namespace Chart
