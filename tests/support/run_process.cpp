#include "support/run_process.h"

#include "support/temp_dir.h"
#include "util/paths.h"

namespace velnix::test {

ProcessResult RunProcess(const std::u16string& program, const std::vector<std::string>& args,
                         const std::u16string& folder) {
    const int exitCode = RunWithOutputInFolder(program, args, folder);
    return {exitCode, ReadBytes(JoinPath(folder, u"stdout.bin")),
            ReadBytes(JoinPath(folder, u"stderr.bin"))};
}

}  // namespace velnix::test
