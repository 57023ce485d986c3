#pragma once
// A chart surface that keeps a list of what was drawn on it, with fixed text
// metrics, so the chart's geometry can be checked without a font or a raster.

#include "chart/ChartSurface.h"

#include <string>
#include <vector>

namespace cyclo::test {

struct RecordedCall
{
    enum class Kind
    {
        Fill,
        Frame,
        Line,
        Text
    };
    Kind kind = Kind::Fill;
    // Fill and Frame: left, top, right, bottom. Line: from (x0, y0) to (x1, y1).
    // Text: the top-left corner in (x0, y0).
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    Rgb colour;          // brush for Fill, pen for Frame and Line
    int penWidth = 0;    // Line and Frame
    bool opaque = false; // Text: drawn on a solid brush
    std::string text;
};

class RecordingSurface final : public ChartSurface
{
public:
    static constexpr int kCharWidth = 6;
    static constexpr int kTextHeight = 13;

    RecordingSurface(int width, int height) : width_(width), height_(height) {}

    [[nodiscard]] int width() const override { return width_; }
    [[nodiscard]] int height() const override { return height_; }
    void setScale(double value) override { scale = value; }
    void setSolidBrush(Rgb colour) override
    {
        brush_ = colour;
        brushClear_ = false;
    }
    void setClearBrush() override { brushClear_ = true; }
    void setPenColour(Rgb colour) override { pen_ = colour; }
    void setPenWidth(int width) override { penWidth_ = width; }
    void fillRect(int left, int top, int right, int bottom) override
    {
        if (!brushClear_)
            calls.push_back(
                {RecordedCall::Kind::Fill, left, top, right, bottom, brush_, 0, false, {}});
    }
    void frameRect(int left, int top, int right, int bottom) override
    {
        calls.push_back(
            {RecordedCall::Kind::Frame, left, top, right, bottom, pen_, penWidth_, false, {}});
    }
    void moveTo(int x, int y) override
    {
        x_ = x;
        y_ = y;
    }
    void lineTo(int x, int y) override
    {
        calls.push_back({RecordedCall::Kind::Line, x_, y_, x, y, pen_, penWidth_, false, {}});
        x_ = x;
        y_ = y;
    }
    void textOut(int x, int y, std::string_view text) override
    {
        calls.push_back(
            {RecordedCall::Kind::Text, x, y, 0, 0, {}, 0, !brushClear_, std::string(text)});
    }
    [[nodiscard]] int textWidth(std::string_view text) override
    {
        return kCharWidth * static_cast<int>(text.size());
    }
    [[nodiscard]] int textHeight(std::string_view) override { return kTextHeight; }

    [[nodiscard]] std::vector<RecordedCall> ofKind(RecordedCall::Kind kind) const
    {
        std::vector<RecordedCall> found;
        for (const auto& call : calls) {
            if (call.kind == kind)
                found.push_back(call);
        }
        return found;
    }

    std::vector<RecordedCall> calls;
    double scale = 0.0; // as the renderer set it

private:
    int width_;
    int height_;
    Rgb brush_{255, 255, 255};
    bool brushClear_ = false;
    Rgb pen_{0, 0, 0};
    int penWidth_ = 1;
    int x_ = 0;
    int y_ = 0;
};

} // namespace cyclo::test
