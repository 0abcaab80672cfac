// reelmark: DVD and Blu-ray authoring projects from the command line.
#include "Console.h"
#include "Program.h"

#include "mediaengine/MediaEngine.h"
#include "objectmodel/ObjectModel.h"
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
    Console console(std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
    ClassRegistration classes;
    if (FAILED(classes.Result()))
        return int(console.Fail("cannot register the object model and the media engine"));
    return RunProgram(argc, argv, console);
}
