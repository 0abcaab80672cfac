// validate PROJECT: every finding of the project validator and what a viewer can reach; the exit
// status says whether a finding stops the burn.
#include "commands/Commands.h"

#include "ProjectCommand.h"
#include "ValidationReport.h"

namespace {

class ValidateCommand : public ProjectCommand
{
public:
    std::string Name() const override { return "validate"; }
    std::string Summary() const override
    {
        return "Check a project before burning: every finding and what a viewer can reach "
               "(exit status 1 when a finding stops the burn)";
    }
    std::string Examples() const override
    {
        return "  reelmark validate holiday.dmsd\n"
               "  reelmark validate holiday.dmsd --json | jq -r '.findings[].text'\n"
               "  reelmark validate holiday.dmsd > /dev/null && echo ready to burn\n";
    }
    bool Reports() const override { return true; }

protected:
    ExitStatus RunOn(ProjectDocument& document, Console& console) override
    {
        nlohmann::json report;
        ExitStatus status =
            ReportOn(document, console, ValidateProject, PrintValidation, "the findings", report);
        if (status == ExitStatus::Success && !report["burnable"].get<bool>())
            return ExitStatus::Findings;
        return status;
    }
};

} // namespace

std::unique_ptr<Command> MakeValidateCommand()
{
    return std::make_unique<ValidateCommand>();
}
