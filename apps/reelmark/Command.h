// A command of the program: the word that names it, its help, the arguments it declares and
// the work it runs. Commands are listed in CommandRegistry.cpp; one source file each.
#pragma once

#include "Console.h"
#include "ExitStatus.h"

#include <CLI/CLI.hpp>

#include <string>

class Command
{
public:
    virtual ~Command() = default;

    // The word on the command line ("info").
    virtual std::string Name() const = 0;
    // One line for the program's list of commands and the command's help.
    virtual std::string Summary() const = 0;
    // Example command lines with a word on each, shown at the end of the command's help.
    virtual std::string Examples() const = 0;
    // Whether the command reports what it found; such a command takes --json.
    virtual bool Reports() const { return false; }
    // Developer commands stay out of the program's list of commands (their --help works).
    virtual bool Hidden() const { return false; }

    // Declares the command's arguments and options on its subcommand; the values are stored
    // in the command object.
    virtual void Define(CLI::App& command) = 0;
    // Runs the command once its arguments are parsed.
    virtual ExitStatus Run(Console& console) = 0;
};
