#pragma once

#include <QCheckBox>

namespace velmora {

// A check box that a click ticks or unticks, nothing else. The greyed third
// state can still be set from code (a value handed over by a script) and keeps
// its meaning until the user clicks; the click then unticks it, since grey
// counts as ticked.
class TwoStateCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override;
};

}  // namespace velmora
