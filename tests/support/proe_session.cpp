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
        bool quoted = false;
        for (std::size_t k = 0, start = 0; !continues && k <= body.size(); ++k) {
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
            end_.folder[name] = name;
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
            step.call.empty() ? Do(step) : Call(step.call, depth + 1);
        }
    }

    // Open by name (from the session or the folder), rename the active model in session and
    // on disk, save it, close windows; menus and confirmations change nothing here.
    void Do(const Step& step) {
        const auto is = [&step](std::string_view command, std::string_view part) {
            return step.command == command && step.args.size() >= 2 && step.args[1] == part;
        };
        const std::string value = step.args.size() == 3 ? Lowered(step.args[2]) : std::string();
        if (is("Activate", "File.psh_open")) {
            openDialog_ = true;
        } else if (is("Update", "Inputname")) {
            openInput_ = value;
        } else if ((is("Activate", "Inputname") || is("Activate", "Open")) &&
                   std::exchange(openDialog_, false)) {  // the recorded second one finds none
            if (end_.folder.count(openInput_) == 0) {
                Fail("Öffnen von " + openInput_ + ": nicht vorhanden");
            } else {
                windows_.push_back(openInput_);
            }
        } else if (is("Activate", "File.psh_rename") || is("Activate", "OK")) {
            if (windows_.empty()) {
                Fail(step.args[1] + " ohne aktives Fenster");
            }
        } else if (is("Update", "InputPanel2")) {
            renameInput_ = value;
        } else if (is("Activate", "InputPanel2") && !windows_.empty()) {
            const std::string from = windows_.back();
            if (renameInput_ != from && end_.folder.count(renameInput_) > 0) {
                Fail("Umbenennen von " + from + " in " + renameInput_ + ": Name belegt");
            } else if (renameInput_ != from) {
                auto file = end_.folder.extract(from);
                file.key() = renameInput_;
                end_.folder.insert(std::move(file));
                std::replace(windows_.begin(), windows_.end(), from, renameInput_);
            }
        } else if (is("Activate", "Windows.psh_win_close") && !windows_.empty()) {
            windows_.pop_back();
        }
    }

    std::map<std::string, std::vector<Step>> mapkeys_;
    SessionEnd end_;
    std::string running_;
    std::vector<std::string> windows_;  // the active one last
    bool openDialog_ = false;
    std::string openInput_;
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
