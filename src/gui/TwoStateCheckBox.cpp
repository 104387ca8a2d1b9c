#include "gui/TwoStateCheckBox.h"

namespace velmora {

void TwoStateCheckBox::nextCheckState() {
    const Qt::CheckState next = checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked;
    setTristate(false);
    setCheckState(next);
}

}  // namespace velmora
