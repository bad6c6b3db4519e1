#include "hypertext/elements.h"

#include <algorithm>

#include "hypertext/keywords.h"

std::vector<HTTagVariable> HyperTextTag::GetVariables() {
    return {};
}

void HyperTextTag::VariablesParsed(std::vector<HTTagVariable> &) {}

std::vector<HTTagVariable> HyperTextTag::FirstVariables(std::vector<HTTagVariable> all) const {
    const auto count = static_cast<std::size_t>(std::max<std::int32_t>(variableCount, 0));
    all.resize(std::min(count, all.size()));
    return all;
}

HyperTextFontTag::HyperTextFontTag() : HyperTextTag(htFont) {}

std::vector<HTTagVariable> HyperTextFontTag::GetVariables() {
    return FirstVariables({
        {htKeywords[htFaceKeyword], HTString, &face},
        {htKeywords[htSizeKeyword], HTRelative, &size},
        {htKeywords[htColorKeyword], HTColor, &color},
        {htKeywords[htBgColorKeyword], HTColor, &bgColor},
    });
}

HyperTextImageTag::HyperTextImageTag() : HyperTextTag(htImage) {}

std::vector<HTTagVariable> HyperTextImageTag::GetVariables() {
    return FirstVariables({
        {htKeywords[htSrcKeyword], HTString, &src},
        {htKeywords[htWidthKeyword], HTInteger, &width},
        {htKeywords[htHeightKeyword], HTInteger, &height},
        {htKeywords[htSubXKeyword], HTInteger, &subX},
        {htKeywords[htSubYKeyword], HTInteger, &subY},
        {htKeywords[htSubWidthKeyword], HTInteger, &subWidth},
        {htKeywords[htSubHeightKeyword], HTInteger, &subHeight},
    });
}

HyperTextSpecialCharTag::HyperTextSpecialCharTag() : HyperTextTag(htSpecialChar) {}

HyperTextAnchorStartTag::HyperTextAnchorStartTag() : HyperTextTag(htAnchor) {}

std::vector<HTTagVariable> HyperTextAnchorStartTag::GetVariables() {
    return FirstVariables({{htKeywords[htHrefKeyword], HTString, &href}});
}
