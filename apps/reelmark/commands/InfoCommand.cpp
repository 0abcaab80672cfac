// info PROJECT: the titles of a project with their chapters, encoding and media files, and the
// sizes of the media and of the disc.
#include "commands/Commands.h"

#include "DisplayNames.h"
#include "ProjectCommand.h"
#include "ProjectSummary.h"
#include "TextFormat.h"

#include <ostream>

using nlohmann::json;

namespace {

std::string ChannelsText(int channels)
{
    return channels == 2 ? "stereo" : channels == 6 ? "5.1" : std::to_string(channels) + " ch";
}

std::string EncodingText(const json& encoding)
{
    const json& audio = encoding["audio"];
    std::string text = LabelOf(encoding["videoFormat"]);
    text += " " + std::to_string(encoding["resolution"]["width"].get<int>()) + "x" +
            std::to_string(encoding["resolution"]["height"].get<int>());
    text += ", video " + BitRateText(encoding["videoBitRate"].get<LONG>());
    text += ", audio " + LabelOf(audio["format"]) + " " +
            ChannelsText(audio["channels"].get<int>()) + " " +
            BitRateText(audio["bitRate"].get<LONG>());
    if (encoding["twoPass"].get<bool>())
        text += ", two-pass";
    if (encoding["preset"] != "custom")
        text += " (" + LabelOf(encoding["preset"]) + " preset)";
    return text;
}

void PrintChapters(const json& chapters, std::ostream& out)
{
    out << "     chapters";
    for (const json& chapter : chapters) {
        out << "  " << chapter["number"].get<int>() << ' ' << TimeText(chapter["time"]);
        if (!chapter["name"].get<std::string>().empty())
            out << " \"" << chapter["name"].get<std::string>() << '"';
    }
    out << '\n';
}

void PrintMedia(const json& media, std::ostream& out)
{
    for (const json& file : media) {
        out << "     media     " << file["file"].get<std::string>() << "  ";
        if (file["exists"].get<bool>())
            out << SizeText(file["bytes"].get<uint64_t>()) << '\n';
        else
            out << "MISSING\n";
    }
    if (media.empty())
        out << "     media     none\n";
}

void PrintTitle(const json& title, const std::string& projectEncoding, std::ostream& out)
{
    out << "  " << title["number"].get<int>() << "  " << title["name"].get<std::string>() << "  "
        << TimeText(title["duration"]) << "  (title " << title["id"].get<int>();
    if (title["kind"] != "user")
        out << ", " << LabelOf(title["kind"]);
    out << ")\n";
    PrintChapters(title["chapters"], out);
    PrintMedia(title["media"], out);
    std::string encoding = EncodingText(title["encoding"]);
    out << "     encoding  " << (encoding == projectEncoding ? "as the project" : encoding) << '\n';
}

void PrintInfo(const json& report, std::ostream& out)
{
    const json& disc = report["disc"];
    std::string projectEncoding = EncodingText(report["encoding"]);
    out << "Project   " << report["project"].get<std::string>() << '\n'
        << "Disc      " << LabelOf(disc["format"]) << ", " << LabelOf(disc["tvStandard"]) << ", "
        << LabelOf(disc["aspectRatio"]) << '\n'
        << "Encoding  " << projectEncoding << '\n'
        << "Sizes     media files " << SizeText(report["sizes"]["media"].get<uint64_t>())
        << ", estimated on disc " << SizeText(report["sizes"]["estimatedDisc"].get<uint64_t>())
        << "\n\n";
    const json& titles = report["titles"];
    out << (titles.empty()
                ? "No titles"
                : std::to_string(titles.size()) + " title" + (titles.size() == 1 ? "" : "s"))
        << '\n';
    for (const json& title : titles)
        PrintTitle(title, projectEncoding, out);
}

class InfoCommand : public ProjectCommand
{
public:
    std::string Name() const override { return "info"; }
    std::string Summary() const override
    {
        return "Show a project's titles, chapters, encoding and sizes";
    }
    std::string Examples() const override
    {
        return "  reelmark info holiday.dmsd\n"
               "  reelmark info holiday.dmsd --json | jq '.titles[].chapters'\n";
    }
    bool Reports() const override { return true; }

protected:
    ExitStatus RunOn(ProjectDocument& document, Console& console) override
    {
        return ReportOn(document, console, SummarizeProject, PrintInfo, "the titles");
    }
};

} // namespace

std::unique_ptr<Command> MakeInfoCommand()
{
    return std::make_unique<InfoCommand>();
}
