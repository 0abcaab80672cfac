// clips [--out DIR] [--seconds S]: a developer command that makes the demo's three clips, so
// that the media they are made of can be looked at and tested on their own.
#include "commands/Commands.h"

#include "DemoClips.h"
#include "OutputSteps.h"
#include "TextFormat.h"

#include "platform/NativePath.h"
#include "platform/StringConv.h"

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <system_error>

using nlohmann::json;

namespace {

std::string ColourText(DWORD rgb)
{
    char text[8];
    std::snprintf(text, sizeof(text), "#%06x", unsigned(rgb & 0xFFFFFF));
    return text;
}

json ClipEntry(const DemoClip& clip, const std::wstring& file, double seconds)
{
    std::error_code error;
    uintmax_t bytes = std::filesystem::file_size(NativePath(file), error);
    return {{"name", clip.name},
            {"file", Utf8(file.c_str())},
            {"seconds", seconds},
            {"width", kDemoClipWidth},
            {"height", kDemoClipHeight},
            {"colour", ColourText(clip.colour)},
            {"toneFrequency", clip.toneFrequency},
            {"bytes", error ? 0 : bytes}};
}

void PrintClips(const json& report, std::ostream& out)
{
    out << "Made " << report["clips"].size() << " clips in " << report["folder"].get<std::string>()
        << '\n';
    for (const json& clip : report["clips"]) {
        char tone[32];
        std::snprintf(tone, sizeof(tone), "%.0f Hz tone", clip["toneFrequency"].get<double>());
        out << "  " << clip["file"].get<std::string>() << "  " << clip["seconds"].get<double>()
            << " s, " << clip["width"].get<int>() << "x" << clip["height"].get<int>() << ", "
            << clip["colour"].get<std::string>() << ", " << tone << ", "
            << SizeText(clip["bytes"].get<uint64_t>()) << '\n';
    }
}

class ClipsCommand : public Command
{
public:
    std::string Name() const override { return "clips"; }
    std::string Summary() const override
    {
        return "Make the demo's three clips with their colours and tones (developer command)";
    }
    std::string Examples() const override
    {
        return "  reelmark clips --out clips\n"
               "  reelmark clips --out /tmp/clips --seconds 2 --json\n";
    }
    bool Reports() const override { return true; }
    bool Hidden() const override { return true; }

    void Define(CLI::App& command) override
    {
        command
            .add_option("--out", m_folder,
                        "The folder the clips are written to (made when missing)")
            ->capture_default_str();
        command.add_option("--seconds", m_seconds, "How long each clip plays")
            ->check(CLI::Range(0.2, 60.0))
            ->capture_default_str();
    }

    ExitStatus Run(Console& console) override
    {
        std::vector<std::wstring> files;
        if (ExitStatus made = MakeClips(m_folder, m_seconds, console, files);
            made != ExitStatus::Success)
            return made;
        json report = {{"folder", m_folder}, {"clips", json::array()}};
        double seconds = double(DemoClipFrameCount(m_seconds)) / kDemoClipFramesPerSecond;
        for (size_t i = 0; i < files.size(); ++i)
            report["clips"].push_back(ClipEntry(DemoClips()[i], files[i], seconds));
        console.Report(report, PrintClips);
        return ExitStatus::Success;
    }

private:
    std::string m_folder = "reelmark-clips";
    double m_seconds = 4.0;
};

} // namespace

std::unique_ptr<Command> MakeClipsCommand()
{
    return std::make_unique<ClipsCommand>();
}
