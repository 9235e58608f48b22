#pragma once

#include "Render.h"
#include "TableFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

// Options by their keys, as `--option KEY=VALUE` sets them (ASCII strings only).
inline COptionsRecord Options(std::initializer_list<std::pair<const char*, const char*>> set) {
    COptionsRecord o;
    for (const auto& [key, value] : set) {
        const COptionField* f = FindOptionField(key);
        EXPECT_TRUE(f) << key;
        if (f && f->intMember)
            o.*f->intMember = std::stoi(value);
        else if (f)
            o.*f->stringMember = value;
    }
    return o;
}

// A private folder per test; the compile folders go into tmp/, which must be empty again
// after every test.
class CRenderFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name)
            if (c == '/')
                c = '-';
        m_root = fs::temp_directory_path() /
                 ("brindle-render-test-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(m_root);
        fs::create_directories(m_root / "tmp");
        m_settings.tempRoot = (m_root / "tmp").string();
        m_settings.timeLimit = std::chrono::seconds(60);
    }
    void TearDown() override {
        EXPECT_TRUE(fs::is_empty(m_root / "tmp")) << "a compile folder was left behind";
        fs::remove_all(m_root);
    }

    // The source of the table's used region, or of region when given.
    static CRenderSource Source(CTestTable& t, int target, const COptionsRecord& o = {},
                                std::optional<CCellRect> region = std::nullopt) {
        const CGenerateModel m = t.Model();
        std::string error;
        std::optional<CRenderSource> s =
            MakeRenderSource(target, m, region ? *region : UsedRegion(t.cells, t.h, t.v), o, error);
        EXPECT_TRUE(s) << error;
        return s ? *s : CRenderSource{};
    }

    // Lualatex with a luatexja that loads: a partial install (luatexja without the packages it
    // needs) counts as none, as the render itself reports it. Probed once per program.
    static bool HaveLuatexja() {
        static const bool have = [] {
            const char* path = std::getenv("PATH");
            if (FindOnPath("lualatex", path ? path : "").empty() ||
                std::system("kpsewhich luatexja.sty >/dev/null 2>&1") != 0)
                return false;
            auto t = std::make_unique<CTestTable>();
            t->Put(1, 1, "\x95\x5c"); // 表
            std::string error;
            const std::optional<CRenderSource> s = MakeRenderSource(
                TARGET_TABULAR, t->Model(), UsedRegion(t->cells, t->h, t->v), {}, error);
            CRenderSettings settings;
            settings.timeLimit = std::chrono::seconds(120);
            return s && Render(*s, settings).status != RenderStatus::NoEngine;
        }();
        return have;
    }

    fs::path m_root;
    CRenderSettings m_settings;
};

#define SKIP_WITHOUT_LUATEXJA()                                                                    \
    do {                                                                                           \
        if (!HaveLuatexja())                                                                       \
            GTEST_SKIP() << "needs lualatex with luatexja (Debian packages texlive-luatex and "    \
                            "texlive-lang-japanese with their recommended packages), which are "   \
                            "not installed";                                                       \
    } while (0)

// Dark pixels: every channel below the middle.
inline bool IsDark(const CPicture& p, int x, int y) {
    const std::uint8_t* px = p.Pixel(x, y);
    return px[0] < 128 && px[1] < 128 && px[2] < 128;
}

// Runs of consecutive true values.
inline int CountRuns(const std::vector<bool>& v) {
    int runs = 0;
    for (std::size_t i = 0; i < v.size(); ++i)
        runs += v[i] && (i == 0 || !v[i - 1]);
    return runs;
}
