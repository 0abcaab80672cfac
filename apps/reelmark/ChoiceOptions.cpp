#include "ChoiceOptions.h"

#include "DisplayNames.h"
#include "TextFormat.h"

#include <map>

namespace {

template <typename Enum>
CLI::Option* AddChoice(CLI::App& command, const std::string& name, Enum& value,
                       const std::string& description, std::initializer_list<Enum> values)
{
    std::map<std::string, Enum> choices;
    std::string keys;
    for (Enum choice : values) {
        choices[NameOf(choice).key] = choice;
        keys += (keys.empty() ? "" : "|") + NameOf(choice).key;
    }
    // The key, in any case, becomes the value's number for the option to store.
    CLI::Validator toNumber(
        [choices, keys](std::string& input) -> std::string {
            std::string key = CLI::detail::to_lower(input);
            auto found = choices.find(key);
            if (found == choices.end())
                return Quoted(input) + " is none of " + keys;
            input = std::to_string(LONG(found->second));
            return "";
        },
        "");
    return command.add_option(name, value, description)->transform(toNumber)->option_text(keys);
}

} // namespace

CLI::Option* AddDiscFormatOption(CLI::App& command, const std::string& name, DiscFormat& value,
                                 const std::string& description)
{
    return AddChoice(command, name, value, description,
                     {DiscFormat_DVD, DiscFormat_DVD2, DiscFormat_DVD3, DiscFormat_DVD4,
                      DiscFormat_VCD, DiscFormat_SVCD, DiscFormat_BluRay, DiscFormat_BluRay2,
                      DiscFormat_HDDVD, DiscFormat_HDDVD2, DiscFormat_AVCHD});
}

CLI::Option* AddTVStandardOption(CLI::App& command, const std::string& name, TVStandard& value,
                                 const std::string& description)
{
    return AddChoice(command, name, value, description, {TVStandard_NTSC, TVStandard_PAL});
}

CLI::Option* AddAspectOption(CLI::App& command, const std::string& name, AspectRatio& value,
                             const std::string& description)
{
    return AddChoice(command, name, value, description, {AspectRatio_4x3, AspectRatio_16x9});
}
