// A value between a minimum and a maximum, set by dragging the knob along the bar. Its cell
// draws it.
#pragma once

#include "Control.h"
#include "SliderCell.h"

#include <memory>

namespace ns {

class Slider : public Control {
public:
    explicit Slider(Rect frame = {});

    double minValue() const { return min_; }
    void setMinValue(double value);
    double maxValue() const { return max_; }
    void setMaxValue(double value);
    double doubleValue() const override { return value_; }
    // Clamped to the slider's range.
    void setDoubleValue(double value) override;
    std::string stringValue() const override { return formatControlNumber(value_); }
    void setStringValue(std::string value) override;

    // A continuous slider sends its action at every move of the knob, any other one when
    // the mouse goes up.
    bool isContinuous() const { return continuous_; }
    void setContinuous(bool continuous) { continuous_ = continuous; }

    SliderCell& cell() const { return *cell_; }
    void setCell(std::unique_ptr<SliderCell> cell);

    // The value the knob would have with its centre at x, in the slider's coordinates.
    double valueAtX(double x) const;

    void mouseDown(const Event& event) override;
    void mouseDragged(const Event& event) override;
    void mouseUp(const Event& event) override;
    void drawRect(const Rect& dirty) override;

private:
    void track(const Event& event, bool last);

    double min_ = 0, max_ = 1, value_ = 0;
    bool continuous_ = false;
    std::unique_ptr<SliderCell> cell_;
};

} // namespace ns
