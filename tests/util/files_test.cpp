#include "util/atomic_write.h"
#include "util/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>

#include "support/temp_dir.h"
#include "util/atomic_write_system.h"
#include "util/os_error.h"
#include "util/unicode.h"

namespace velnix {
namespace {

using namespace test;

TEST(FilesTest, ExistenceTestsAnswerFalseOnEveryFailure) {
    TempDir dir;
    const std::u16string file = dir.File(u"teil.prt");
    WriteBytes(file, "x");
    EXPECT_TRUE(DirExists(dir.path()) && !FileExists(dir.path()));
    EXPECT_TRUE(FileExists(file) && !DirExists(file));
    EXPECT_FALSE(DirExists(dir.File(u"fehlt")) || FileExists(dir.File(u"fehlt")));
    EXPECT_FALSE(DirExists(u"") || FileExists(u""));
}

TEST(FilesTest, WriteRemovesTheTemporariesOfWritersThatAreGone) {
    TempDir dir;
    const std::string running = std::to_string(CurrentProcessId());
    const std::pair<std::string, bool> files[] = {
        {"rename.pro.velnix-99999999-0.tmp", false},  // no process has this id
        {"rename.pro.velnix-" + running + "-0.tmp", true},
        {"other.pro.velnix-99999999-0.tmp", true},
        {"rename.pro.velnix-99999999-0.tmp.bak", true},
        {"rename.pro.velnix-3.tmp", true},
        {"rename.pro.velnix-0-0.tmp", true},
        {"rename.pro.velnix-9999999999-0.tmp", true},  // beyond any process id
    };
    for (const auto& [name, kept] : files) {
        WriteBytes(dir.File(Utf8ToUtf16(name)), "x");
    }
    ASSERT_TRUE(WriteFileAtomically(ToFsPath(dir.File(u"rename.pro")), "neu").ok);
    for (const auto& [name, kept] : files) {
        EXPECT_EQ(FileExists(dir.File(Utf8ToUtf16(name))), kept) << name;
    }
}

// Linux gives a temporary no name until it is complete; Windows names every temporary.
#ifdef __linux__
constexpr bool kUnnamedTemporaries = true;
#else
constexpr bool kUnnamedTemporaries = false;
#endif

enum class Failure { None, SecondContentStops, FirstCommitFails, Interrupted };

class TwoFileWriteTest : public testing::TestWithParam<std::tuple<TemporaryNaming, Failure>> {};

std::set<std::string> NamesIn(const std::u16string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(ToFsPath(folder))) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// While the second file is written the first has a name, the second only where temporaries are
// always named; the commit fails for a folder that took rename.pro's place.
TEST_P(TwoFileWriteTest, LeavesTheNewFilesOrTheOldOnesAndNoTemporary) {
    const TemporaryNaming naming = std::get<0>(GetParam());
    const Failure failure = std::get<1>(GetParam());
    TempDir dir;
    WriteBytes(dir.File(u"rename.pro"), "alt 1");
    WriteBytes(dir.File(u"rename_zurueck.pro"), "alt 2");
    std::size_t temporariesSeen = 0;
    const auto first = [](BlockSink& file) { return file.Write("neu 1"); };
    const auto second = [&](BlockSink& file) {
        temporariesSeen = NamesIn(dir.path()).size() - 2;
        if (failure == Failure::FirstCommitFails) {
            std::filesystem::remove(ToFsPath(dir.File(u"rename.pro")));
            WriteBytes(dir.File(u"rename.pro/alt"), "alt 1");
        }
        if (failure == Failure::Interrupted) {  // as the command line's signal handler does
            const TempDir other;
            WriteBytes(other.File(u"x"), "another write meanwhile");
            RemoveUnfinishedTemporary();
            temporariesSeen = NamesIn(dir.path()).size() - 2;
        }
        return file.Write("neu 2") &&
               (failure == Failure::None || failure == Failure::FirstCommitFails);
    };
    const Status written =
        WriteFilesAtomically({{ToFsPath(dir.File(u"rename.pro")), first},
                              {ToFsPath(dir.File(u"rename_zurueck.pro")), second}},
                             naming);

    const bool named = naming == TemporaryNaming::AlwaysNamed || !kUnnamedTemporaries;
    // Windows lists the removed file that is still open until its handle closes.
    EXPECT_EQ(temporariesSeen, failure != Failure::Interrupted ? (named ? 2u : 1u)
                               : kUnnamedTemporaries           ? 0u
                                                               : 1u);
    EXPECT_EQ(NamesIn(dir.path()), (std::set<std::string>{"rename.pro", "rename_zurueck.pro"}));
    const std::u16string failed = failure == Failure::FirstCommitFails ? u"rename.pro"
                                  : failure != Failure::None           ? u"rename_zurueck.pro"
                                                                       : u"";
    EXPECT_EQ(written.ok, failed.empty());
    EXPECT_EQ(written.message.rfind(u"Fehler : Die Datei \"" + dir.File(failed) + u"\" konnte", 0),
              failed.empty() ? std::u16string::npos : 0u);
    EXPECT_EQ(ReadBytes(dir.File(u"rename_zurueck.pro")), failed.empty() ? "neu 2" : "alt 2");
    EXPECT_EQ(ReadBytes(dir.File(failure == Failure::FirstCommitFails ? u"rename.pro/alt"
                                                                      : u"rename.pro")),
              failed.empty() ? "neu 1" : "alt 1");
}

INSTANTIATE_TEST_SUITE_P(
    Temporaries, TwoFileWriteTest,
    testing::Combine(testing::Values(TemporaryNaming::UnnamedWherePossible,
                                     TemporaryNaming::AlwaysNamed),
                     testing::Values(Failure::None, Failure::SecondContentStops,
                                     Failure::FirstCommitFails, Failure::Interrupted)));

// The standard library's errors in the words of the system's own, whichever numbers they carry;
// what has no words of Velnix's keeps the library's.
class ErrorReasonTest : public testing::TestWithParam<std::pair<std::error_code, const char*>> {};

TEST_P(ErrorReasonTest, NamesTheCauseInGerman) {
    const auto& [error, reason] = GetParam();
    EXPECT_EQ(Utf16ToUtf8(Reason(error)), reason ? reason : error.message());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ErrorReasonTest,
    testing::Values(
        std::pair{std::make_error_code(std::errc::operation_not_permitted),
                  "Zugriff verweigert (keine Schreib- oder Leserechte)"},
        std::pair{std::make_error_code(std::errc::no_such_file_or_directory),
                  "die Datei oder das Verzeichnis gibt es nicht"},
        std::pair{std::make_error_code(std::errc::not_a_directory),
                  "das Verzeichnis gibt es nicht"},
        std::pair{std::make_error_code(std::errc::filename_too_long), "der Pfad ist zu lang"},
        std::pair{std::make_error_code(std::errc::too_many_symbolic_link_levels),
                  "zu viele symbolische Verknüpfungen hintereinander"},
        std::pair{std::make_error_code(std::errc::invalid_argument), "der Pfad ist ungültig"},
        std::pair{std::make_error_code(std::errc::device_or_resource_busy), nullptr},
        std::pair{std::error_code(static_cast<int>(kLinkLoop), std::system_category()),
                  "zu viele symbolische Verknüpfungen hintereinander"},
        std::pair{std::error_code(static_cast<int>(kContentStopped), std::system_category()),
                  "der Inhalt konnte nicht vollständig erzeugt werden"}));

}  // namespace
}  // namespace velnix
