#include "dsutils/DSTags.h"

#include "ModelObject.h"

namespace {

enum class Word
{
    Tag,
    Flags
};

template <class I> HRESULT Read(I* object, Word word, ULONG* value)
{
    return word == Word::Tag ? object->get_Tag(value) : object->get_Flags(value);
}

template <class I> HRESULT Write(I* object, Word word, ULONG value)
{
    return word == Word::Tag ? object->put_Tag(value) : object->put_Flags(value);
}

// Reads a property that elements, menus and titles all have; 0 when it cannot be read.
template <class T, class Get> bool ReadCommon(const ModelObject& object, Get get, T& value)
{
    value = 0;
    HRESULT hr = E_NOINTERFACE;
    if (object.element)
        hr = get(object.element.p, &value);
    else if (object.menu)
        hr = get(object.menu.p, &value);
    else if (object.title)
        hr = get(object.title.p, &value);
    if (FAILED(hr))
        value = 0;
    return SUCCEEDED(hr);
}

bool ReadWord(const ModelObject& object, Word word, ULONG& value)
{
    return ReadCommon(
        object, [word](auto* o, ULONG* v) { return Read(o, word, v); }, value);
}

ULONG ReadWord(IUnknown* pObject, Word word)
{
    ULONG value = 0;
    ReadWord(ModelObject(pObject), word, value);
    return value;
}

// Titles keep their tag and flags: only elements and menus are written.
template <class Change> ULONG ChangeWord(IUnknown* pObject, Word word, Change change)
{
    ModelObject object(pObject);
    ULONG value = 0;
    bool read = ReadWord(object, word, value);
    value = change(value);
    if (!read)
        return value;
    if (object.element)
        Write(object.element.p, word, value);
    else if (object.menu)
        Write(object.menu.p, word, value);
    return value;
}

ULONG AddBits(IUnknown* pObject, Word word, ULONG bits)
{
    return ChangeWord(pObject, word, [bits](ULONG value) { return value | bits; });
}

ULONG RemoveBits(IUnknown* pObject, Word word, ULONG bits)
{
    return ChangeWord(pObject, word, [bits](ULONG value) { return value & ~bits; });
}

} // namespace

LONG GetID(IUnknown* pObject)
{
    LONG id = 0;
    ReadCommon(
        ModelObject(pObject), [](auto* o, LONG* v) { return o->get_ID(v); }, id);
    return id;
}

ULONG GetTag(IUnknown* pObject)
{
    return ReadWord(pObject, Word::Tag);
}

ULONG SetTag(IUnknown* pObject, ULONG bits)
{
    return AddBits(pObject, Word::Tag, bits);
}

ULONG ClearTag(IUnknown* pObject, ULONG bits)
{
    return RemoveBits(pObject, Word::Tag, bits);
}

ULONG GetFlag(IUnknown* pObject)
{
    return ReadWord(pObject, Word::Flags);
}

ULONG SetFlag(IUnknown* pObject, ULONG bits)
{
    return AddBits(pObject, Word::Flags, bits);
}

ULONG ClearFlag(IUnknown* pObject, ULONG bits)
{
    return RemoveBits(pObject, Word::Flags, bits);
}

LONG GetTemplateID(IUnknown* pObject)
{
    ModelObject object(pObject);
    LONG id = 0;
    if (!object.menu || FAILED(object.menu->get_TemplateID(&id)))
        return 0;
    return id;
}
