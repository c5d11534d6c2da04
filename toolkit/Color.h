// Calibrated RGB colours with alpha, each component 0 to 1.
#pragma once

namespace ns {

class Color {
public:
    constexpr Color() = default;
    constexpr Color(double red, double green, double blue, double alpha = 1)
        : red_(red), green_(green), blue_(blue), alpha_(alpha)
    {
    }
    static constexpr Color colorWithCalibratedRed(double red, double green, double blue, double alpha)
    {
        return {red, green, blue, alpha};
    }
    static constexpr Color whiteColor() { return {1, 1, 1}; }
    static constexpr Color blackColor() { return {0, 0, 0}; }
    static constexpr Color clearColor() { return {0, 0, 0, 0}; }

    double redComponent() const { return red_; }
    double greenComponent() const { return green_; }
    double blueComponent() const { return blue_; }
    double alphaComponent() const { return alpha_; }

    // The fill and stroke colour of the current graphics context, or only one of them.
    void set() const;
    void setFill() const;
    void setStroke() const;

    bool operator==(const Color&) const = default;

private:
    double red_ = 0, green_ = 0, blue_ = 0, alpha_ = 1;
};

} // namespace ns
