// The commands of the program, in the order its help lists them.
#pragma once

#include "Command.h"

#include <memory>
#include <vector>

std::vector<std::unique_ptr<Command>> CreateCommands();
