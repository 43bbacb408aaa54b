#include "cli/generate_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <utility>

#include "cli/console.h"
#include "cli/pair_reading.h"
#include "mapkey/rename_file.h"
#include "util/files.h"
#include "util/unicode.h"

namespace velnix::cli {
namespace {

constexpr char16_t kUsage[] =
    u"Aufruf: velnix-cli generate --old DATEI (--new DATEI | --rule AUSDRUCK ERSATZ) "
    u"(--out VERZEICHNIS | --stdout)\nMehr dazu: velnix-cli --help";

struct GenerateOptions {
    std::string oldFile;
    std::string newFile;
    std::vector<std::string> rule;
    std::string outDirectory;
    bool toStdout = false;
};

int UsageError(const std::u16string& detail) {
    WriteMessage(stderr, u"Fehler in den Argumenten: " + detail + u"\n" + kUsage);
    return kUsageError;
}

// CLI11 explains in English; the user reads German, with CLI11's detail for the specifics.
std::u16string GermanReason(const CLI::ParseError& error) {
    const std::u16string detail = u" (" + Utf8ToUtf16(error.what()) + u")";
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        return u"Eine notwendige Angabe fehlt" + detail + u".";
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
        return u"Diese Angaben schließen einander aus" + detail + u".";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        return u"Falsche Anzahl von Werten" + detail + u".";
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        return u"Unbekannte Angabe" + detail + u".";
    }
    return Utf8ToUtf16(error.what());
}

// Standard output in binary mode, as a sink.
class StdoutSink final : public BlockSink {
  public:
    StdoutSink() { PrepareBinaryOutput(stdout); }
    bool Write(std::string_view block) override {
        return std::fwrite(block.data(), 1, block.size(), stdout) == block.size();
    }
};

int Generate(const GenerateOptions& options) {
    PairSources sources{ArgumentPath(options.oldFile), ArgumentPath(options.newFile), {}};
    if (!options.rule.empty()) {
        sources.rule = {Utf8ToUtf16(options.rule[0]), Utf8ToUtf16(options.rule[1])};
    }
    const Result<MapkeyPairs> pairs = ReadPairs(sources);
    if (!pairs.ok()) {
        WriteMessage(stderr, pairs.error);
        return kCannotCompose;
    }
    if (options.toStdout) {
        StdoutSink out;
        if (!ComposeMapkeys(*pairs.value, TextEnd::RenamePro, out) || std::fflush(stdout) != 0) {
            WriteMessage(stderr, u"Fehler : Die Ausgabe konnte nicht geschrieben werden.");
            return kWriteFailed;
        }
        return kWritten;
    }
    const Status written = WriteRenamePro(ArgumentPath(options.outDirectory), *pairs.value);
    WriteMessage(written.ok ? stdout : stderr, written.message);
    return written.ok ? kWritten : kWriteFailed;
}

}  // namespace

int Run(const std::vector<std::string>& args) {
    CLI::App app{
        "velnix-cli erzeugt die Mapkey-Datei rename.pro, die in Pro/ENGINEER Teile, "
        "Baugruppen und Zeichnungen umbenennt.",
        "velnix-cli"};
    const auto formatter = app.get_formatter();
    formatter->label("Usage", "Aufruf");
    formatter->label("OPTIONS", "OPTIONEN");
    formatter->label("SUBCOMMAND", "BEFEHL");
    formatter->label("REQUIRED", "(notwendig)");
    formatter->label("Excludes", "nicht mit");
    app.option_defaults()->group("Optionen");
    app.set_version_flag("--version", std::string("velnix-cli ") + VELNIX_VERSION,
                         "Version anzeigen");
    app.set_help_flag("-h,--help", "Diese Hilfe anzeigen");
    app.require_subcommand(1);

    GenerateOptions options;
    CLI::App* generate =
        app.add_subcommand("generate", "rename.pro aus zwei Namenslisten erzeugen");
    generate->group("Befehle");
    generate->set_help_flag("-h,--help", "Diese Hilfe anzeigen");
    CLI::Option* oldOption =
        generate
            ->add_option("--old", options.oldFile, "Datei mit den alten Namen, ein Name je Zeile")
            ->required()
            ->type_name("DATEI");
    CLI::Option* newOption =
        generate
            ->add_option("--new", options.newFile, "Datei mit den neuen Namen, ein Name je Zeile")
            ->type_name("DATEI");
    CLI::Option* ruleOption =
        generate
            ->add_option("--rule", options.rule,
                         "Neue Namen aus den alten: erstes Vorkommen von AUSDRUCK durch ERSATZ "
                         "ersetzen")
            ->expected(2)
            ->type_name("AUSDRUCK ERSATZ");
    newOption->excludes(ruleOption);
    CLI::Option* outOption =
        generate->add_option("--out", options.outDirectory, "Verzeichnis, in das rename.pro kommt")
            ->type_name("VERZEICHNIS");
    CLI::Option* stdoutOption =
        generate->add_flag("--stdout", options.toStdout, "Den Inhalt von rename.pro ausgeben");
    outOption->excludes(stdoutOption);

    // CLI11 would only say that a command is missing.
    if (args.size() > 1 && !args[1].empty() && args[1][0] != '-' && args[1] != "generate") {
        return UsageError(u"Unbekannter Befehl \"" + Utf8ToUtf16(args[1]) + u"\".");
    }

    std::vector<const char*> argv;
    for (const auto& arg : args) {
        argv.push_back(arg.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& error) {
        std::ostringstream out;
        std::ostringstream err;
        const int code = app.exit(error, out, err);
        if (code == 0) {
            std::string text = out.str();
            text.erase(text.find_last_not_of('\n') + 1);
            WriteMessage(stdout, Utf8ToUtf16(text));
            return kWritten;
        }
        return UsageError(GermanReason(error));
    }

    if (newOption->count() == 0 && ruleOption->count() == 0) {
        return UsageError(u"--new DATEI oder --rule AUSDRUCK ERSATZ fehlt.");
    }
    if (outOption->count() == 0 && !options.toStdout) {
        return UsageError(u"--out VERZEICHNIS oder --stdout fehlt.");
    }
    // An empty path would mean the current folder, or the root of the drive.
    for (const auto& [option, value] :
         {std::pair{oldOption, &options.oldFile}, std::pair{newOption, &options.newFile},
          std::pair{outOption, &options.outDirectory}}) {
        if (option->count() > 0 && value->empty()) {
            return UsageError(u"Die Angabe " + Utf8ToUtf16(option->get_name()) + u" ist leer.");
        }
    }
    return Generate(options);
}

}  // namespace velnix::cli
