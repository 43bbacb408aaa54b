#include "support/proe_session.h"

#include <algorithm>
#include <utility>

namespace velnix::test {
namespace {

// A step: "%name" calls a mapkey; else a command and its back-quoted words.
struct Step {
    std::string call;
    std::string command;
    std::vector<std::string> args;
};

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

// Each definition's steps: the text after " ~" of its lines joined, cut at the semicolons
// outside back-quotes, each step without its leading "~ ".
std::map<std::string, std::vector<Step>> ParseMapkeys(std::string_view file) {
    std::map<std::string, std::vector<Step>> mapkeys;
    std::string name;
    std::string body;
    for (std::size_t at = 0, end = 0; at < file.size(); at = end + 2) {
        end = std::min(file.find("\r\n", at), file.size());
        const std::string_view line = file.substr(at, end - at);
        const std::size_t tilde = line.find(" ~");
        if (line.rfind("mapkey", 0) != 0 || tilde == std::string_view::npos) {
            continue;
        }
        if (line.rfind("mapkey(continued)", 0) != 0) {
            name = Lowered(line.substr(7, tilde - 7));
            mapkeys[name].clear();  // a mapkey without steps is one too
            body.clear();
        }
        const std::string_view steps = line.substr(tilde + 2);
        const bool continues = !steps.empty() && steps.back() == '\\';
        body.append(steps.substr(0, steps.size() - (continues ? 1 : 0)));
        if (continues) {
            continue;
        }
        bool quoted = false;
        for (std::size_t k = 0, start = 0; k <= body.size(); ++k) {
            if (k < body.size() && body[k] == '`') {
                quoted = !quoted;
            } else if (k == body.size() || (body[k] == ';' && !quoted)) {
                std::string_view text = std::string_view(body).substr(start, k - start);
                text.remove_prefix(std::min(text.find_first_not_of(" ~"), text.size()));
                if (!text.empty()) {
                    mapkeys[name].push_back(ParseStep(text));
                }
                start = k + 1;
            }
        }
    }
    return mapkeys;
}

class Session {
  public:
    Session(std::string_view file, const std::set<std::string>& folder)
        : mapkeys_(ParseMapkeys(file)) {
        for (const auto& name : folder) {
            end_.folder[name] = {name, 0};
        }
    }

    SessionEnd Run(std::string_view start) {
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

    void Do(const Step& step) {
        const auto is = [&step](std::string_view command, std::string_view dialog,
                                std::string_view part) {
            return step.command == command && step.args.size() >= 2 && step.args[0] == dialog &&
                   step.args[1] == part;
        };
        const std::string value = step.args.size() == 3 ? Lowered(step.args[2]) : std::string();
        if (is("Activate", "main_dlg_cur", "File.psh_open")) {
            openDialog_ = true;
        } else if (is("Update", "file_open", "Inputname")) {
            openInput_ = value;
        } else if (is("Activate", "file_open", "Inputname") ||
                   is("Activate", "file_open", "Open")) {
            // The dialog closes with the first of them; the recorded second one finds none.
            if (std::exchange(openDialog_, false)) {
                Open(openInput_);
            }
        } else if (is("Activate", "main_dlg_cur", "File.psh_rename")) {
            renameDialog_ = !windows_.empty();
            if (!renameDialog_) {
                Fail("Umbenennen ohne aktives Fenster");
            }
        } else if (is("Update", "rename", "InputPanel2")) {
            renameInput_ = value;
        } else if (is("Activate", "rename", "InputPanel2") && std::exchange(renameDialog_, false)) {
            Rename(renameInput_);
        } else if (is("Activate", "file_saveas", "OK")) {
            if (windows_.empty()) {
                Fail("Speichern ohne aktives Fenster");
            } else {
                ++end_.folder[windows_.back()].saves;
            }
        } else if (is("Activate", "main_dlg_cur", "Windows.psh_win_close") && !windows_.empty()) {
            windows_.pop_back();
        }
    }

    void Open(const std::string& name) {
        if (end_.folder.count(name) == 0) {
            Fail("Öffnen von " + name + ": nicht vorhanden");
        } else {
            windows_.push_back(name);
        }
    }

    // In session and on disk, with all versions.
    void Rename(const std::string& to) {
        const std::string from = windows_.back();
        if (to != from && end_.folder.count(to) > 0) {
            Fail("Umbenennen von " + from + " in " + to + ": Name belegt");
        } else if (to != from) {
            auto file = end_.folder.extract(from);
            file.key() = to;
            end_.folder.insert(std::move(file));
            std::replace(windows_.begin(), windows_.end(), from, to);
        }
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
    return Session(file, folder).Run(start);
}

}  // namespace velnix::test
