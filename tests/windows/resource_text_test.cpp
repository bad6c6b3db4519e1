#include <gtest/gtest.h>

#include <string>

#include "core/exception.h"
#include "core/resource_text.h"

// The resources read here are in resource_text_test.rc, linked into this test binary.

namespace {

const char notFoundMessage[] = "The resource could not be found/loaded: ";
const std::string crlfLines("first line\r\nsecond line\r\n\r\nlast line without end");

HINSTANCE TestModule() {
    return GetModuleHandleA(nullptr);
}

TEST(LoadTextResourceTest, TextIsTheBytesUpToTheSizeOrTheFirstNul) {
    struct Case {
        const char *name;
        std::string expected;
    };
    const Case cases[] = {
        {"RESOURCE_TEXT_EMPTY", ""},
        {"RESOURCE_TEXT_NUL_INSIDE", "abc"},
        {"RESOURCE_TEXT_NUL_FIRST", ""},
        {"RESOURCE_TEXT_CRLF", crlfLines},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<std::string> text = LoadTextResource(TestModule(), c.name);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(*text, c.expected);
    }
}

TEST(LoadTextResourceTest, NamesAreLookedUpWithoutRegardToCase) {
    std::unique_ptr<std::string> text = LoadTextResource(TestModule(), "resource_text_crlf");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(*text, crlfLines);
}

TEST(LoadTextResourceTest, IntegerIdsAreLookedUpLikeNames) {
    std::unique_ptr<std::string> text = LoadTextResource(TestModule(), MAKEINTRESOURCEA(30101));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->size(), 48u);
    EXPECT_EQ(*text, crlfLines);
}

TEST(LoadTextResourceTest, MissingResourceThrowsTheFixedMessage) {
    struct Case {
        const char *what;
        LPCSTR name;
    };
    const Case cases[] = {
        {"missing id", MAKEINTRESOURCEA(30199)},
        {"missing name", "RESOURCE_TEXT_MISSING"},
        {"id stored only under another type", MAKEINTRESOURCEA(30102)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        try {
            LoadTextResource(TestModule(), c.name);
            ADD_FAILURE() << "no exception";
        } catch (const Orvak::Exception &exception) {
            EXPECT_EQ(exception.message, notFoundMessage);
        }
    }
}

TEST(LoadTextResourceTest, ModuleWithoutTextResourcesThrows) {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    try {
        LoadTextResource(kernel, MAKEINTRESOURCEA(101));
        ADD_FAILURE() << "no exception";
    } catch (const Orvak::Exception &exception) {
        EXPECT_EQ(exception.message, notFoundMessage);
    }
}

} // namespace
