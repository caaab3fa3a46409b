// Message boxes on the host: delimited text on standard error, answered at once.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "scoped_code_page.h"
#include "scoped_environment.h"

namespace {

// Standard error goes to a temporary file for the life of this object.
class CapturedStandardError {
  public:
    CapturedStandardError() : file_(std::tmpfile()), saved_(dup(STDERR_FILENO)) {
        std::fflush(stderr);
        dup2(fileno(file_), STDERR_FILENO);
    }
    ~CapturedStandardError() {
        Restore();
        std::fclose(file_);
    }
    CapturedStandardError(const CapturedStandardError&) = delete;
    CapturedStandardError& operator=(const CapturedStandardError&) = delete;

    std::string Text() {
        Restore();
        std::string text;
        std::rewind(file_);
        char buffer[256];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file_)) > 0) {
            text.append(buffer, got);
        }
        return text;
    }

  private:
    void Restore() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            dup2(saved_, STDERR_FILENO);
            close(saved_);
            saved_ = -1;
        }
    }

    std::FILE* file_;
    int saved_;
};

// Under a fresh Debian's locale (LANG=C.UTF-8, no LC_ALL) the box is UTF-8 all through.
TEST(MessageBoxA, WritesOneDelimitedBoxInUtf8AndAnswersOk) {
    struct Case {
        const char* name;
        std::string text;
        const char* caption;
        UINT type;
        std::string expected;
        int answer;
    };
    const std::vector<Case> cases = {
        {"fatal error: two lines, default title",
         "AppRun\x83\x49\x83\x75\x83\x57\x83\x46\x83\x4e\x83\x67\n"
         "\x8f\x88\x97\x9d",
         nullptr, MB_OK | MB_ICONERROR, "[message box]\nAppRunオブジェクト\n処理\n\n", IDOK},
        {"caption", "x", "\x91\xe8", MB_OK, "[message box] 題\nx\n\n", IDOK},
        {"empty text", "", nullptr, MB_OK, "[message box]\n\n\n", IDOK},
        {"bytes outside JIS", "\x80\xA0", nullptr, MB_OK, "[message box]\n\xC2\x80\xEF\xA3\xB0\n\n",
         IDOK},
    };
    ScopedEnvironment environment;
    environment.Set("LC_ALL", nullptr);
    environment.Set("LC_CTYPE", nullptr);
    environment.Set("LANG", "C.UTF-8");
    const ScopedCodePage restored(0);
    for (const Case& c : cases) {
        CapturedStandardError captured;
        const int answer = MessageBoxA(GetActiveWindow(), c.text.c_str(), c.caption, c.type);
        EXPECT_EQ(captured.Text(), c.expected) << c.name;
        EXPECT_EQ(answer, c.answer) << c.name;
    }
}

TEST(MessageBoxA, EachCallIsOneBox) {
    CapturedStandardError captured;
    MessageBoxA(nullptr, "one", nullptr, MB_OK);
    MessageBoxA(nullptr, "two", nullptr, MB_OK);
    EXPECT_EQ(captured.Text(), "[message box]\none\n\n[message box]\ntwo\n\n");
}

}  // namespace
