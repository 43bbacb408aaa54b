#include "support/proe_session.h"

#include <algorithm>
#include <ostream>
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

// Each definition's steps into the session's table: the text after " ~" of its lines joined,
// cut at the semicolons outside back-quotes, each step without its leading "~ ". A name that
// the table has already, in any letter case, is a failure: Pro/ENGINEER would keep one.
void ParseMapkeys(std::string_view file, std::map<std::string, std::vector<Step>>& mapkeys,
                  std::vector<std::string>& failures) {
    std::vector<Step>* steps = nullptr;
    std::string body;
    for (std::size_t at = 0, end = 0; at < file.size(); at = end + 2) {
        end = std::min(file.find("\r\n", at), file.size());
        const std::string_view line = file.substr(at, end - at);
        const std::size_t tilde = line.find(" ~");
        if (line.rfind("mapkey", 0) != 0 || tilde == std::string_view::npos) {
            continue;
        }
        if (line.rfind("mapkey(continued)", 0) != 0) {
            const std::string name = Lowered(line.substr(7, tilde - 7));
            if (mapkeys.count(name) > 0) {
                failures.push_back("Mapkey " + name + " doppelt definiert");
            }
            steps = &mapkeys[name];
            steps->clear();  // a mapkey without steps is one too
            body.clear();
        }
        const std::string_view text = line.substr(tilde + 2);
        const bool continues = !text.empty() && text.back() == '\\';
        body.append(text.substr(0, text.size() - (continues ? 1 : 0)));
        bool quoted = false;
        for (std::size_t k = 0, start = 0; !continues && k <= body.size(); ++k) {
            if (k < body.size() && body[k] == '`') {
                quoted = !quoted;
            } else if (k == body.size() || (body[k] == ';' && !quoted)) {
                std::string_view step = std::string_view(body).substr(start, k - start);
                step.remove_prefix(std::min(step.find_first_not_of(" ~"), step.size()));
                if (!step.empty()) {
                    steps->push_back(ParseStep(step));
                }
                start = k + 1;
            }
        }
    }
}

class Session {
  public:
    explicit Session(Folder folder) { end_.folder = std::move(folder); }

    void Load(std::string_view file) { ParseMapkeys(file, mapkeys_, end_.failures); }
    void Run(std::string_view start) {
        running_ = Lowered(start);
        Call(running_, 0);
    }

    SessionEnd End() && {
        for (const auto& [name, model] : Newest(end_.folder)) {
            for (const std::string& used : model.uses) {
                if (end_.folder.count(used) == 0) {
                    end_.brokenReferences.emplace_back(name).append(" → ").append(used);
                }
            }
        }
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

    // Open by name (from the session or the folder), rename the active model, save it, close
    // windows; menus and confirmations change nothing here.
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
            Open(openInput_);
        } else if (is("Activate", "File.psh_rename") || is("Activate", "OK")) {
            if (windows_.empty()) {
                Fail(step.args[1] + " ohne aktives Fenster");
            } else if (step.args[1] == "OK") {
                end_.folder[windows_.back()].push_back(inSession_[windows_.back()]);
            }
        } else if (is("Update", "InputPanel2")) {
            renameInput_ = value;
        } else if (is("Activate", "InputPanel2") && !windows_.empty()) {
            Rename(windows_.back(), renameInput_);
        } else if (is("Activate", "Windows.psh_win_close") && !windows_.empty()) {
            windows_.pop_back();
        }
    }

    void Open(const std::string& name) {
        if (inSession_.count(name) == 0) {
            const auto file = end_.folder.find(name);
            if (file == end_.folder.end()) {
                Fail("Öffnen von " + name + ": nicht vorhanden");
                return;
            }
            inSession_[name] = file->second.back();
        }
        windows_.push_back(name);
    }

    void Rename(const std::string& from, const std::string& to) {
        if (to == from) {
            return;
        }
        if (inSession_.count(to) > 0 || end_.folder.count(to) > 0) {
            Fail("Umbenennen von " + from + " in " + to + ": Name belegt");
            return;
        }
        for (const auto& [name, versions] : end_.folder) {
            if (versions.back().uses.count(from) > 0 && inSession_.count(name) == 0) {
                end_.usersLeftOut.emplace_back(from).append(" → ").append(to).append(": ").append(
                    name);
            }
        }
        Move(inSession_, from, to);
        Move(end_.folder, from, to);
        for (auto& [name, model] : inSession_) {
            if (model.uses.erase(from) > 0) {
                model.uses.insert(to);
            }
        }
        std::replace(windows_.begin(), windows_.end(), from, to);
    }

    template <class Map>
    static void Move(Map& map, const std::string& from, const std::string& to) {
        auto entry = map.extract(from);
        if (!entry.empty()) {
            entry.key() = to;
            map.insert(std::move(entry));
        }
    }

    std::map<std::string, std::vector<Step>> mapkeys_;
    SessionEnd end_;
    std::map<std::string, Model> inSession_;  // by name, as the session holds it now
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

bool operator==(const Model& a, const Model& b) {
    return a.identity == b.identity && a.uses == b.uses;
}

void PrintTo(const Model& model, std::ostream* out) {
    *out << model.identity;
    for (const std::string& used : model.uses) {
        *out << (used == *model.uses.begin() ? " nutzt " : ", ") << used;
    }
}

std::map<std::string, Model> Newest(const Folder& folder) {
    std::map<std::string, Model> newest;
    for (const auto& [name, versions] : folder) {
        newest[name] = versions.back();
    }
    return newest;
}

std::vector<std::string> FileNames(const Folder& folder) {
    std::vector<std::string> names;
    for (const auto& [name, versions] : folder) {
        for (std::size_t version = 1; version <= versions.size(); ++version) {
            names.push_back(name + "." + std::to_string(version));
        }
    }
    return names;
}

SessionEnd RunMapkeys(const std::vector<std::string>& files, Folder folder,
                      const std::vector<std::string>& starts) {
    Session session(std::move(folder));
    for (const std::string& file : files) {
        session.Load(file);
    }
    for (const std::string& start : starts) {
        session.Run(start);
    }
    return std::move(session).End();
}

}  // namespace velnix::test
