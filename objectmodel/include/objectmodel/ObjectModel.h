// The project object model: projects, titles, menus, menu elements and the project file
// service, kept in memory and stored as XML. A program links it and registers its classes
// once; the library then creates them through the class factory.
#pragma once

#include "platform/WinTypes.h"

// Registers CDSProjectData, CDSMenuButton and CDSProjectFile with the class factory. Titles and
// menus need a production class registered under CLSID_KVEProduction as well (the media
// engine's, or a stand-in).
HRESULT RegisterObjectModelClasses();

// Removes those registrations again.
HRESULT RevokeObjectModelClasses();
