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
    // Components outside 0 to 1 are brought to the nearer end, and one that is not a number
    // to 0, as the platform's calibrated colours are.
    static constexpr Color colorWithCalibratedRed(double red, double green, double blue, double alpha)
    {
        return {clamped(red), clamped(green), clamped(blue), clamped(alpha)};
    }
    static constexpr Color colorWithCalibratedWhite(double white, double alpha)
    {
        return colorWithCalibratedRed(white, white, white, alpha);
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
    static constexpr double clamped(double component)
    {
        return component >= 0 ? (component <= 1 ? component : 1) : 0;
    }

    double red_ = 0, green_ = 0, blue_ = 0, alpha_ = 1;
};

} // namespace ns
