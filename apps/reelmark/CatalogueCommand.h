// A command that lists content made for menus of one shape (themes, button styles): with
// --aspect 4:3|16:9 it lists that shape only, else both, 4:3 first. Its report starts with the
// shapes listed, "aspects".
#pragma once

#include "Command.h"

#include "model/ProjectEnums.h"

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <string>
#include <vector>

class CatalogueCommand : public Command
{
public:
    bool Reports() const override { return true; }
    void Define(CLI::App& command) final;
    ExitStatus Run(Console& console) final;

protected:
    // What is listed, for the option's help and the failure: "the themes".
    virtual std::string What() const = 0;
    // Fills the report with what there is for the aspects; a failure is on the error stack.
    virtual HRESULT List(const std::vector<AspectRatio>& aspects, nlohmann::json& report) const = 0;
    // The report for people.
    virtual void Print(const nlohmann::json& report, std::ostream& out) const = 0;

private:
    std::string m_aspect;
};
