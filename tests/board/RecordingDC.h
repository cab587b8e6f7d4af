// A DeviceContext that writes every call into a log and checks how pens are handled.
#pragma once

#include "DeviceContext.h"

#include <set>
#include <string>
#include <vector>

class RecordingDC final : public DeviceContext {
public:
    explicit RecordingDC(int vertSizeMillimetres = 203, int vertResPixels = 768)
        : m_vertSize(vertSizeMillimetres), m_vertRes(vertResPixels) {}

    PenHandle CreatePen(Colour colour, int width) override;
    void DeletePen(PenHandle pen) override;
    PenHandle SelectPen(PenHandle pen) override;
    const CFont* SelectFont(const CFont* font) override;
    void MoveTo(int x, int y) override { Add("move " + std::to_string(x) + "," + std::to_string(y)); }
    void LineTo(int x, int y) override { Add("line " + std::to_string(x) + "," + std::to_string(y)); }
    void FillSolidRect(const Rect& rect, Colour colour) override { Add("fill " + Text(rect) + " " + Hex(colour)); }
    void SetTextColor(Colour colour) override { Add("textcolor " + Hex(colour)); }
    void SetBkColor(Colour colour) override { Add("bkcolor " + Hex(colour)); }
    void SetBkMode(BackgroundMode mode) override
    {
        Add(mode == BackgroundMode::Opaque ? "bkmode opaque" : "bkmode transparent");
    }
    void DrawText(std::string_view text, const Rect& rect) override
    {
        Add("text '" + std::string(text) + "' " + Text(rect));
    }
    // Not logged: every character is 7 pixels wide, every line 17 pixels high.
    TextExtent GetTextExtent(std::string_view text) override { return {7 * static_cast<int>(text.size()), 17}; }
    int VertSizeMillimetres() const override { return m_vertSize; }
    int VertResPixels() const override { return m_vertRes; }

    // Pens are named P1, P2, ... in the order they were created; the stock pen is "stock".
    // Entries: "create P1 000000 w1", "delete P1", "select P1", "font Arial 150", "move 1,2",
    // "line 3,4", "fill 0,0,5,5 ffffff", "textcolor 000000", "bkcolor ffffff",
    // "bkmode opaque", "text '5' 26,16,91,65".
    const std::vector<std::string>& Log() const { return m_log; }
    // Misuse of pens: deleting the selected pen, deleting or selecting an unknown one.
    const std::vector<std::string>& Faults() const { return m_faults; }
    int LivePens() const { return static_cast<int>(m_live.size()); }
    PenHandle SelectedPen() const { return m_selected; }

private:
    static std::string Hex(Colour colour);
    static std::string Text(const Rect& rect);
    static std::string Name(PenHandle pen);
    void Add(std::string entry) { m_log.push_back(std::move(entry)); }

    int m_vertSize;
    int m_vertRes;
    int m_created = 0;
    std::set<PenHandle> m_live;
    PenHandle m_selected = PenHandle::Stock;
    const CFont* m_font = nullptr;
    std::vector<std::string> m_log;
    std::vector<std::string> m_faults;
};
