#include "framework/TextDrawing.h"

namespace corvalith {

namespace {

ITextDrawObserver* observer_ = nullptr;

// The format bits that shorten or clip what is drawn; measuring without them gives the whole text.
constexpr UINT kShortening = DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS | DT_MODIFYSTRING;

} // namespace

ITextDrawObserver* TextDrawing::Observe(ITextDrawObserver* observer) {
    ITextDrawObserver* previous = observer_;
    observer_ = observer;
    return previous;
}

int TextDrawing::Draw(HDC dc, std::wstring_view text, RECT& place, UINT format) {
    if (observer_ != nullptr) {
        Report(dc, text, place, format);
    }
    return ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &place, format);
}

void TextDrawing::Write(HDC dc, const RECT& place, std::wstring_view text) {
    if (observer_ != nullptr) {
        Report(dc, text, place, DT_SINGLELINE | DT_NOPREFIX);
    }
    ::TextOutW(dc, place.left, place.top, text.data(), static_cast<int>(text.size()));
}

void TextDrawing::Report(HDC dc, std::wstring_view text, const RECT& place, UINT format) {
    DrawnText drawn{.Dc = dc, .Window = ::WindowFromDC(dc), .Text = text, .Place = place, .Format = format};
    if ((format & DT_SINGLELINE) != 0) {
        ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &drawn.Extent);
    } else {
        RECT measured = place;
        ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &measured,
                    (format & ~kShortening) | DT_CALCRECT);
        drawn.Extent = SIZE{measured.right - measured.left, measured.bottom - measured.top};
    }
    observer_->OnTextDrawn(drawn);
}

} // namespace corvalith
