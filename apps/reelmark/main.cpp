// reelmark: DVD and Blu-ray authoring projects from the command line.
#include "Console.h"
#include "Program.h"

#include "dsutils/DSAppUtils.h"
#include "mediaengine/MediaEngine.h"
#include "objectmodel/ObjectModel.h"
#include "platform/ErrorReport.h"
#include "platform/Xml.h"

#include <unistd.h>

#include <iostream>

namespace {

// The classes of the object model and the media engine, registered for the program's life.
class ClassRegistration
{
public:
    ClassRegistration()
    {
        m_result = RegisterXmlClasses();
        if (SUCCEEDED(m_result))
            m_result = RegisterMediaEngineClasses();
        if (SUCCEEDED(m_result))
            m_result = RegisterObjectModelClasses();
    }
    ~ClassRegistration() { RevokeObjectModelClasses(); }
    ClassRegistration(const ClassRegistration&) = delete;
    ClassRegistration& operator=(const ClassRegistration&) = delete;

    HRESULT Result() const { return m_result; }

private:
    HRESULT m_result;
};

} // namespace

int main(int argc, char** argv)
{
    // A crash leaves a report: "<temporary folder>/Reelmark.dmp", and a copy among the error
    // reports of the user's application data. The program works on without them when they cannot
    // be set up.
    RegisterErrorReportClass();
    CDSAppUtils::RegisterCrashHandler(L"Reelmark", nullptr);
    Console console(std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
    ClassRegistration classes;
    if (FAILED(classes.Result()))
        return int(console.Fail("cannot register the object model and the media engine"));
    return RunProgram(argc, argv, console);
}
