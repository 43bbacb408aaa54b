#include "support/proe_session.h"

#include <algorithm>
#include <utility>

namespace velnix::test {
namespace {

struct Step {
    std::string call;               // the mapkey a "%name" step runs
    std::string command;            // "Activate", "Update", …
    std::vector<std::string> args;  // the back-quoted words
};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '~')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

Step ParseStep(std::string_view text) {
    Step step;
    if (text.front() == '%') {
        step.call = Lowered(text.substr(1));
        return step;
    }
    step.command = std::string(text.substr(0, text.find(' ')));
    for (std::size_t open = text.find('`'); open != std::string_view::npos;) {
        const std::size_t close = text.find('`', open + 1);
        step.args.emplace_back(text.substr(open + 1, close - open - 1));
        open = close == std::string_view::npos ? close : text.find('`', close + 1);
    }
    return step;
}

// Each definition's steps: its lines after "~ " joined, cut at the semicolons between steps.
std::map<std::string, std::vector<Step>> ParseMapkeys(std::string_view file) {
    std::map<std::string, std::vector<Step>> mapkeys;
    std::vector<Step>* current = nullptr;
    std::string body;
    std::size_t at = 0;
    while (at < file.size()) {
        std::size_t end = file.find("\r\n", at);
        end = end == std::string_view::npos ? file.size() : end;
        const std::string_view line = file.substr(at, end - at);
        at = end + 2;
        const std::size_t tilde = line.find(" ~");
        if (line.rfind("mapkey", 0) != 0 || tilde == std::string_view::npos) {
            continue;
        }
        if (line.rfind("mapkey(continued)", 0) != 0) {
            current = &mapkeys[Lowered(line.substr(7, tilde - 7))];
            body.clear();
        }
        std::string_view steps = line.substr(tilde + 2);
        const bool continues = !steps.empty() && steps.back() == '\\';
        body.append(steps.substr(0, steps.size() - (continues ? 1 : 0)));
        if (continues || current == nullptr) {
            continue;
        }
        bool quoted = false;
        std::size_t stepStart = 0;
        for (std::size_t k = 0; k <= body.size(); ++k) {
            if (k < body.size() && body[k] == '`') {
                quoted = !quoted;
            } else if (k == body.size() || (body[k] == ';' && !quoted)) {
                const std::string_view text =
                    Trimmed(std::string_view(body).substr(stepStart, k - stepStart));
                if (!text.empty()) {
                    current->push_back(ParseStep(text));
                }
                stepStart = k + 1;
            }
        }
        current = nullptr;
    }
    return mapkeys;
}

class Session {
  public:
    Session(std::map<std::string, std::vector<Step>> mapkeys, const std::set<std::string>& folder)
        : mapkeys_(std::move(mapkeys)) {
        for (const auto& name : folder) {
            end_.folder[name] = {name, 0};
        }
    }

    SessionEnd Run(const std::string& start) {
        Call(Lowered(start), 0);
        return std::move(end_);
    }

  private:
    void Fail(const std::string& what) { end_.failures.push_back(running_ + ": " + what); }

    void Call(const std::string& name, int depth) {
        const auto mapkey = mapkeys_.find(name);
        if (mapkey == mapkeys_.end() || depth >= 5) {
            Fail("kein Mapkey " + name + " (oder zu tief geschachtelt)");
            return;
        }
        for (const Step& step : mapkey->second) {
            running_ = name;
            if (!step.call.empty()) {
                Call(step.call, depth + 1);
            } else {
                Do(step);
            }
        }
    }

    bool Is(const Step& step, std::string_view command, std::string_view dialog,
            std::string_view part) const {
        return step.command == command && step.args.size() >= 2 && step.args[0] == dialog &&
               step.args[1] == part;
    }

    void Do(const Step& step) {
        if (Is(step, "Activate", "main_dlg_cur", "File.psh_open")) {
            openDialog_ = true;
            openInput_.clear();
        } else if (Is(step, "Update", "file_open", "Inputname") && step.args.size() == 3) {
            openInput_ = Lowered(step.args[2]);
        } else if (Is(step, "Activate", "file_open", "Inputname") ||
                   Is(step, "Activate", "file_open", "Open")) {
            // The dialog closes with the first of them; the recorded second one finds none.
            if (std::exchange(openDialog_, false)) {
                Open(openInput_);
            }
        } else if (Is(step, "Activate", "main_dlg_cur", "File.psh_rename")) {
            renameDialog_ = !windows_.empty();
            if (!renameDialog_) {
                Fail("Umbenennen ohne aktives Fenster");
            }
        } else if (Is(step, "Update", "rename", "InputPanel2") && step.args.size() == 3) {
            renameInput_ = Lowered(step.args[2]);
        } else if (Is(step, "Activate", "rename", "InputPanel2")) {
            if (std::exchange(renameDialog_, false)) {
                Rename(renameInput_);
            }
        } else if (Is(step, "Activate", "file_saveas", "OK")) {
            if (windows_.empty()) {
                Fail("Speichern ohne aktives Fenster");
            } else {
                ++end_.folder[windows_.back()].saves;
            }
        } else if (Is(step, "Activate", "main_dlg_cur", "Windows.psh_win_close")) {
            if (!windows_.empty()) {
                windows_.pop_back();
            }
        }
    }

    void Open(const std::string& name) {
        if (end_.folder.count(name) == 0) {
            Fail("Öffnen von " + name + ": nicht vorhanden");
            return;
        }
        windows_.push_back(name);
    }

    // In session and on disk, with all versions.
    void Rename(const std::string& to) {
        const std::string from = windows_.back();
        if (to == from) {
            return;
        }
        if (end_.folder.count(to) > 0) {
            Fail("Umbenennen von " + from + " in " + to + ": Name belegt");
            return;
        }
        auto file = end_.folder.extract(from);
        file.key() = to;
        end_.folder.insert(std::move(file));
        std::replace(windows_.begin(), windows_.end(), from, to);
    }

    std::map<std::string, std::vector<Step>> mapkeys_;
    SessionEnd end_;
    std::string running_;
    std::vector<std::string> windows_;  // the active one last
    bool openDialog_ = false;
    std::string openInput_;
    bool renameDialog_ = false;
    std::string renameInput_;
};

}  // namespace

std::string Lowered(std::string_view name) {
    std::string lowered(name);
    for (char& c : lowered) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
            c = static_cast<char>(byte + 0x20);
        }
    }
    return lowered;
}

SessionEnd RunMapkeys(std::string_view file, const std::set<std::string>& folder,
                      std::string_view start) {
    return Session(ParseMapkeys(file), folder).Run(std::string(start));
}

}  // namespace velnix::test
