// A small model of a Pro/ENGINEER session over a working folder: runs mapkey files step by step.
#pragma once

#include <iosfwd>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace velnix::test {

// What a file of the folder holds: the model's identity (what it is, whatever its name) and,
// for an assembly or a drawing, the names of the models it uses.
struct Model {
    std::string identity;
    std::set<std::string> uses;
};
bool operator==(const Model& a, const Model& b);
void PrintTo(const Model& model, std::ostream* out);  // for the tests' messages

// The working folder: each model's versions on disk ("name.prt.1", …), the oldest first, by
// its name in lower case. Opening a name takes the newest.
using Folder = std::map<std::string, std::vector<Model>>;

// Each model of the folder as opening it gives it: its newest version.
std::map<std::string, Model> Newest(const Folder& folder);
// The names of the folder's files, with their version numbers.
std::vector<std::string> FileNames(const Folder& folder);

struct SessionEnd {
    // One line per step that failed ("umb2: …"), and per mapkey name defined twice.
    std::vector<std::string> failures;
    Folder folder;
    // "baugruppe.asm → motor.prt": the newest version of a model uses a name no file has.
    std::vector<std::string> brokenReferences;
    // "motor.prt → antrieb.prt: baugruppe.asm": a model of the folder that used the renamed
    // one was not in session at its rename, so its reference on disk stays the old one.
    std::vector<std::string> usersLeftOut;
};

// Loads the mapkey files into one session, then runs the mapkeys `starts` one after the other
// in `folder`. As in Pro/ENGINEER a failing step does not stop the run: the next acts on the
// active window. Renaming a model renames it in session and all its versions on disk, and
// updates the references of the models in session (in memory, until they are saved); closing
// a window leaves its model in session.
SessionEnd RunMapkeys(const std::vector<std::string>& files, Folder folder,
                      const std::vector<std::string>& starts = {"rename"});

// Lower case, as Pro/ENGINEER stores names (ASCII and the Latin-1 letters of the code page).
std::string Lowered(std::string_view name);

}  // namespace velnix::test
