#include "CommandLineProject.h"

#include "support/ClipWriter.h"

#include <gtest/gtest.h>

std::string CommandLineProject::Clip(const std::string& name)
{
    ClipShape shape;
    shape.toneFrequency = 440.0;
    EXPECT_EQ(S_OK, WriteColourClip(m_folder.File(name), shape));
    return Path(name);
}

std::string CommandLineProject::MakeProject(const std::string& name,
                                            const std::vector<std::string>& clips,
                                            const std::vector<std::string>& addOptions,
                                            const std::string& theme)
{
    std::string project = Path(name);
    RunResult made = Run({"new", project, "--theme", theme});
    EXPECT_EQ(0, made.status) << made.err;
    if (clips.empty())
        return project;
    std::vector<std::string> add = {"add", project};
    add.insert(add.end(), clips.begin(), clips.end());
    add.insert(add.end(), addOptions.begin(), addOptions.end());
    RunResult added = Run(add);
    EXPECT_EQ(0, added.status) << added.err;
    return project;
}
