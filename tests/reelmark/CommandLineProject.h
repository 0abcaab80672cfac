// Projects made the way a person makes them: 'reelmark new', then 'reelmark add' on clips the
// test writes.
#pragma once

#include "ReelmarkTest.h"

class CommandLineProject : public ReelmarkTest
{
protected:
    // A clip of two seconds with a tone in the scratch folder; its path.
    std::string Clip(const std::string& name);
    // A new 4:3 DVD project with the theme (reelmark new), and a title for each clip with the
    // options of add after them; the project's path. A failing step fails the test.
    std::string MakeProject(const std::string& name, const std::vector<std::string>& clips,
                            const std::vector<std::string>& addOptions,
                            const std::string& theme = "Aurora");
};
