// What a production being read carries down into the productions it nests (its sub-productions
// and the production files its panels play): the files being read, outermost first, and how
// deep the nesting goes. A production file that names itself, directly or through others, and
// nesting deeper than kMaxDepth are refused, where they would otherwise read on until the stack
// overflows.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <vector>

class ProductionLoad
{
public:
    // Productions nest at most this deep, files and sub-productions counted together.
    static constexpr int kMaxDepth = 32;

    // A production read one level deeper, or a production file being read, until the scope
    // ends. Result() says whether it was entered.
    class Scope
    {
    public:
        explicit Scope(ProductionLoad& load);
        Scope(ProductionLoad& load, const std::wstring& file);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

        // S_OK, or the refusal (reported on the error stack) of a cycle or of too deep a
        // nesting.
        HRESULT Result() const { return m_hr; }

    private:
        ProductionLoad& m_load;
        bool m_level = false;
        bool m_file = false;
        HRESULT m_hr = S_OK;
    };

    // S_OK, or the refusal that stops the whole load: a nested production that cannot be read
    // is otherwise kept as a missing source, but a cycle or too deep a nesting never is.
    HRESULT Refusal() const { return m_refusal; }

private:
    HRESULT Refuse(HRESULT hr, const std::string& reason);

    // The files being read, as the file system resolves them.
    std::vector<std::string> m_files;
    int m_depth = 0;
    HRESULT m_refusal = S_OK;
};
