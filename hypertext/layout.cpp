// The single drawing pass of a hypertext document: words with wrapping, breaks, tab stops, special
// characters, images, style tags and link areas, each placed and drawn as the walk meets it.
#include <cstring>
#include <string>

#include "hypertext/images.h"
#include "hypertext/keywords.h"
#include "hypertext/win_hyper_text.h"
#include "hypertext/wrapping_arithmetic.h"

namespace {

// Room kept on both sides of the text: the line start is 5 right of the origin, and a word wraps when
// its right edge plus 5 would pass the width.
constexpr std::int32_t margin = 5;
// A link's area reaches this far below the baseline.
constexpr std::int32_t linkDescent = 3;

class LayoutWalk {
public:
    LayoutWalk(WinHyperText &document, HyperTextDevice &device)
        : document(document), device(device), styles{device, document.fontStack, description, pen, document.linkColor} {
    }

    void Run(std::int32_t originX, std::int32_t originY) {
        SetUp(originX, originY);
        for (HyperTextElement *element = document.first; element != nullptr; element = element->next) {
            if (element->IsTag())
                VisitTag(static_cast<HyperTextTag &>(*element));
            else
                DrawWords(static_cast<const HyperTextBlock &>(*element).text);
        }
        TearDown();
    }

private:
    struct TagAction {
        std::int32_t code;
        void (LayoutWalk::*act)(HyperTextTag &tag);
    };
    static const TagAction tagActions[];

    void SetUp(std::int32_t originX, std::int32_t originY) {
        pen.x = Wrapping::Add(originX, margin);
        lineStart = pen.x;
        description = MakeWorkingFontDescription(BaseFontHeight(device.VerticalPixelsPerInch()));
        const DeviceFont baseFont = device.MakeFont(description);
        document.fontStack.push(FontTagData{baseFont, document.textColor, document.backColor});
        previousFont = device.ChangeFont(baseFont);
        document.links.clear();
        device.ApplyTextColor(document.fontStack.top().textColor);
        device.ApplyBackColor(document.fontStack.top().backColor);
        device.UseTransparentBaselineText();
        pen.y = Wrapping::Add(originY, HeightOfH());
        linkAnchor = nullptr;
    }

    // Puts the font that was selected before back and frees every level's font, those of unclosed tags too.
    void TearDown() {
        device.ChangeFont(previousFont);
        while (!document.fontStack.empty()) {
            device.FreeFont(document.fontStack.top().font);
            document.fontStack.pop();
        }
    }

    std::int32_t HeightOfH() { return device.MeasureString("H", 1).height; }

    void VisitTag(HyperTextTag &tag);

    // A word runs up to and including the next space, or to the end of the text. It is never split:
    // a word wider than the area goes to a new line and runs past the right edge.
    void DrawWords(const std::string &text) {
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t space = text.find(' ', start);
            const std::size_t end = space == std::string::npos ? text.size() : space + 1;
            DrawWord(text.data() + start, end - start);
            start = end;
        }
    }

    void DrawWord(const char *word, std::size_t length) {
        const std::int32_t wordWidth = device.MeasureString(word, length).width;
        if (Wrapping::Add(Wrapping::Add(pen.x, wordWidth), margin) > document.width)
            BreakLine();
        device.DrawString(pen.x, pen.y, word, length);
        pen.x = Wrapping::Add(pen.x, wordWidth);
    }

    void BreakLine() {
        pen.y = Wrapping::Add(pen.y, HeightOfH());
        pen.x = lineStart;
    }

    void OnBreak(HyperTextTag &) { BreakLine(); }

    // Always to the next stop, also from a stop; the division is unsigned.
    void OnTab(HyperTextTag &) {
        const std::uint32_t stop = Wrapping::Bits(document.tabWidth);
        if (stop == 0)
            return; // no stops at all
        const std::uint32_t offset = Wrapping::Bits(pen.x) - Wrapping::Bits(lineStart);
        pen.x = Wrapping::FromBits((offset / stop + 1) * stop + Wrapping::Bits(lineStart));
    }

    void OnImage(HyperTextTag &tag) {
        if (const auto *image = dynamic_cast<const HyperTextImageTag *>(&tag)) {
            DrawImage(device, pen, *image);
        } else {
            const HyperTextImageTag noImage;
            DrawImage(device, pen, noImage);
        }
    }

    // The low 8 bits of the character code, without a wrap test.
    void OnSpecialCharacter(HyperTextTag &tag) {
        const auto *special = dynamic_cast<const HyperTextSpecialCharTag *>(&tag);
        const std::int32_t code = special != nullptr ? special->character : -1;
        const char character = static_cast<char>(Wrapping::Bits(code) & 0xFFu);
        device.DrawString(pen.x, pen.y, &character, 1);
        pen.x = Wrapping::Add(pen.x, device.MeasureString(&character, 1).width);
    }

    void OnLinkStart(HyperTextTag &tag) {
        linkLeft = pen.x;
        linkBottom = Wrapping::Add(pen.y, linkDescent);
        linkAnchor = dynamic_cast<HyperTextAnchorStartTag *>(&tag);
    }

    // The pending link stays, so another "/A" records the same anchor again from the same start. A "/A"
    // before any "A" has no anchor and records nothing.
    void OnLinkEnd(HyperTextTag &) {
        if (linkAnchor == nullptr)
            return;
        const LinkRect rect{linkLeft, Wrapping::Subtract(linkBottom, HeightOfH()), pen.x, linkBottom};
        document.links.push_back(LinkData{rect, linkAnchor});
    }

    WinHyperText &document;
    HyperTextDevice &device;
    FontDescription description;
    HyperTextPen pen{0, 0};
    StyleWalkState styles;
    std::int32_t lineStart = 0;
    DeviceFont previousFont = 0;
    std::int32_t linkLeft = 0;
    std::int32_t linkBottom = 0;
    HyperTextAnchorStartTag *linkAnchor = nullptr;
};

// Tags with an action of their own; a style tag's action runs after its style is applied. Every other
// tag ("P", lists, boxes, comments, unknown tags) does nothing.
const LayoutWalk::TagAction LayoutWalk::tagActions[] = {
    {htBreak, &LayoutWalk::OnBreak},      {htTab, &LayoutWalk::OnTab},
    {htImage, &LayoutWalk::OnImage},      {htSpecialChar, &LayoutWalk::OnSpecialCharacter},
    {htAnchor, &LayoutWalk::OnLinkStart}, {htAnchorEnd, &LayoutWalk::OnLinkEnd},
};

void LayoutWalk::VisitTag(HyperTextTag &tag) {
    if (IsOpeningStyleTag(tag.code) || IsClosingStyleTag(tag.code))
        ApplyStyleTag(styles, tag);
    for (const TagAction &action : tagActions) {
        if (action.code == tag.code) {
            (this->*action.act)(tag);
            return;
        }
    }
}

} // namespace

WinHyperText::WinHyperText() = default;

WinHyperText::WinHyperText(const std::string &text) : HyperText(text) {}

WinHyperText::~WinHyperText() = default;

void WinHyperText::Draw(HyperTextDevice &device, std::int32_t originX, std::int32_t originY) {
    LayoutWalk(*this, device).Run(originX, originY);
}

const LinkData *WinHyperText::FindLink(std::int32_t x, std::int32_t y) const {
    for (const LinkData &link : links) {
        if (link.rect.Contains(x, y))
            return &link;
    }
    return nullptr;
}
