#include "cli/run.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <sstream>
#include <utility>

#include "cli/check_command.h"
#include "cli/console.h"
#include "cli/generate_command.h"
#include "util/unicode.h"

namespace velnix::cli {
namespace {

constexpr char16_t kUsage[] =
    u"Aufruf: velnix-cli generate LISTEN (--out VERZEICHNIS [--undo] | --stdout) "
    u"[--repair-order] [--strict] [--with-drawings] [--load-folder]\n"
    u"        velnix-cli check LISTEN [--format json] [--folder VERZEICHNIS [--with-drawings] "
    u"[--load-folder]]\n"
    u"LISTEN: --old DATEI (--new DATEI | --rule AUSDRUCK ERSATZ) oder --pairs TABELLE "
    u"[--heading ja|nein|auto]\n"
    u"Mehr dazu: velnix-cli --help";

// Where the pairs come from, as both commands take it.
struct SourceArguments {
    std::string pairsFile;
    std::string oldFile;
    std::string newFile;
    std::vector<std::string> rule;
    std::string heading = "auto";
    CLI::Option* pairs = nullptr;
    CLI::Option* oldOption = nullptr;
    CLI::Option* newOption = nullptr;
    CLI::Option* ruleOption = nullptr;
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

void AddSourceOptions(CLI::App* command, SourceArguments& source) {
    source.oldOption =
        command->add_option("--old", source.oldFile, "Datei mit den alten Namen, ein Name je Zeile")
            ->type_name("DATEI");
    source.newOption =
        command->add_option("--new", source.newFile, "Datei mit den neuen Namen, ein Name je Zeile")
            ->type_name("DATEI");
    source.ruleOption =
        command
            ->add_option("--rule", source.rule,
                         "Neue Namen aus den alten: erstes Vorkommen von AUSDRUCK durch ERSATZ "
                         "ersetzen")
            ->expected(2)
            ->type_name("AUSDRUCK ERSATZ");
    source.pairs = command
                       ->add_option("--pairs", source.pairsFile,
                                    "Tabelle (.csv, .tsv, .txt): alte Namen in Spalte 1, neue in "
                                    "Spalte 2")
                       ->type_name("TABELLE");
    command
        ->add_option("--heading", source.heading,
                     "Erste Zeile der Tabelle ist Überschrift: ja, nein oder auto (Vorgabe)")
        ->check(CLI::IsMember({"ja", "nein", "auto"}))
        ->type_name("WERT");
    source.newOption->excludes(source.ruleOption);
    source.pairs->excludes(source.oldOption)
        ->excludes(source.newOption)
        ->excludes(source.ruleOption);
}

// Nothing when the arguments name the lists completely; an empty path would mean the current
// folder, or the root of the drive.
std::optional<std::u16string> SourceProblem(const SourceArguments& source) {
    if (source.pairs->count() == 0 && source.oldOption->count() == 0) {
        return u"--old DATEI oder --pairs TABELLE fehlt.";
    }
    if (source.oldOption->count() > 0 && source.newOption->count() == 0 &&
        source.ruleOption->count() == 0) {
        return u"--new DATEI oder --rule AUSDRUCK ERSATZ fehlt.";
    }
    for (const auto& [option, value] :
         {std::pair{source.pairs, &source.pairsFile}, std::pair{source.oldOption, &source.oldFile},
          std::pair{source.newOption, &source.newFile}}) {
        if (option->count() > 0 && value->empty()) {
            return u"Die Angabe " + Utf8ToUtf16(option->get_name()) + u" ist leer.";
        }
    }
    return std::nullopt;
}

PairSources ToSources(const SourceArguments& source) {
    PairSources sources{ArgumentPath(source.pairsFile),
                        ArgumentPath(source.oldFile),
                        ArgumentPath(source.newFile),
                        {},
                        source.heading == "ja"     ? Heading::Yes
                        : source.heading == "nein" ? Heading::No
                                                   : Heading::Auto};
    if (!source.rule.empty()) {
        sources.rule = {Utf8ToUtf16(source.rule[0]), Utf8ToUtf16(source.rule[1])};
    }
    return sources;
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

    SourceArguments generateSource;
    std::string outDirectory;
    GenerateOptions options;
    CLI::App* generate =
        app.add_subcommand("generate", "rename.pro aus zwei Namenslisten erzeugen");
    generate->group("Befehle");
    generate->set_help_flag("-h,--help", "Diese Hilfe anzeigen");
    AddSourceOptions(generate, generateSource);
    CLI::Option* outOption =
        generate->add_option("--out", outDirectory, "Verzeichnis, in das rename.pro kommt")
            ->type_name("VERZEICHNIS");
    CLI::Option* stdoutOption =
        generate->add_flag("--stdout", options.toStdout, "Den Inhalt von rename.pro ausgeben");
    outOption->excludes(stdoutOption);
    generate->add_flag("--repair-order", options.repairOrder,
                       "Die Reihenfolge vorher reparieren (Ketten und Ringe)");
    generate->add_flag("--strict", options.strict,
                       "Nichts schreiben, wenn die Prüfung Fehler findet");
    generate->add_flag("--with-drawings", options.withDrawings,
                       "Zeichnungen im Ordner, die wie umbenannte Modelle heißen, mit umbenennen");
    generate->add_flag("--load-folder", options.loadFolder,
                       "Baugruppen und Zeichnungen des Ordners mitladen und mitspeichern, damit "
                       "ihre Verweise den umbenannten Modellen folgen");
    generate->add_flag("--undo", options.undo,
                       "Neben rename.pro auch rename_zurueck.pro schreiben, deren Mapkey "
                       "\"zurueck\" das Umbenennen rückgängig macht (nur mit --out)");

    SourceArguments checkSource;
    std::string format = "text";
    CLI::App* check = app.add_subcommand("check", "Namenslisten vor dem Umbenennen prüfen");
    check->group("Befehle");
    check->set_help_flag("-h,--help", "Diese Hilfe anzeigen");
    AddSourceOptions(check, checkSource);
    check->add_option("--format", format, "Ausgabe als Text (Vorgabe) oder als JSON für Skripte")
        ->check(CLI::IsMember({"text", "json"}))
        ->type_name("FORMAT");
    std::string checkFolder;
    FolderOptions folder;
    CLI::Option* folderOption =
        check
            ->add_option("--folder", checkFolder,
                         "Arbeitsordner, in dem Pro/ENGINEER umbenennt: seine Dateien mitprüfen")
            ->type_name("VERZEICHNIS");
    check->add_flag(
        "--with-drawings", folder.withDrawings,
        "Zeichnungen im Ordner, die wie umbenannte Modelle heißen, in die Liste aufnehmen");
    check->add_flag("--load-folder", folder.loadFolder,
                    "Baugruppen und Zeichnungen des Ordners werden mitgeladen (keine Warnung)");

    // CLI11 would only say that a command is missing.
    if (args.size() > 1 && !args[1].empty() && args[1][0] != '-' && args[1] != "generate" &&
        args[1] != "check") {
        return UsageError(u"Unbekannter Befehl \"" + Utf8ToUtf16(args[1]) + u"\".");
    }

    std::vector<const char*> argv;
    argv.reserve(args.size());
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

    if (check->parsed()) {
        if (const auto problem = SourceProblem(checkSource)) {
            return UsageError(*problem);
        }
        if (folderOption->count() > 0 && checkFolder.empty()) {
            return UsageError(u"Die Angabe --folder ist leer.");
        }
        if (folderOption->count() == 0 && (folder.withDrawings || folder.loadFolder)) {
            return UsageError(
                u"--with-drawings und --load-folder brauchen den Ordner: "
                u"--folder VERZEICHNIS fehlt.");
        }
        if (folderOption->count() > 0) {
            folder.folder = ArgumentPath(checkFolder);
        }
        return Check(ToSources(checkSource),
                     format == "json" ? FindingFormat::Json : FindingFormat::Lines, folder);
    }
    if (const auto problem = SourceProblem(generateSource)) {
        return UsageError(*problem);
    }
    if (outOption->count() == 0 && !options.toStdout) {
        return UsageError(u"--out VERZEICHNIS oder --stdout fehlt.");
    }
    if (outOption->count() > 0 && outDirectory.empty()) {
        return UsageError(u"Die Angabe --out ist leer.");
    }
    if (options.toStdout && (options.withDrawings || options.loadFolder)) {
        return UsageError(
            u"--with-drawings und --load-folder brauchen den Ordner: nur mit "
            u"--out VERZEICHNIS.");
    }
    if (options.undo && options.toStdout) {
        return UsageError(
            u"--undo schreibt rename_zurueck.pro als zweite Datei in das Verzeichnis von --out "
            u"und geht daher nicht mit --stdout.");
    }
    options.sources = ToSources(generateSource);
    options.outDirectory = ArgumentPath(outDirectory);
    return Generate(options);
}

}  // namespace velnix::cli
