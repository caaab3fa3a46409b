// The classes that the layer tests' manifest declares, and the one interface the test
// component implements.
#pragma once

#include "platform/win32.h"

struct ITestAnswer : public IUnknown {
    virtual int STDMETHODCALLTYPE Answer() = 0;
};

constexpr IID IID_ITestAnswer = {
    0x28029C41, 0xAE97, 0x4ADF, {0xBC, 0xF1, 0x86, 0x1E, 0x72, 0x8A, 0xE3, 0xE6}};

// Served by the test component.
constexpr CLSID CLSID_TestAnswer = {
    0x90316574, 0xEC4D, 0x4EE4, {0xBB, 0xC1, 0xF3, 0xE8, 0x70, 0x84, 0x14, 0x3A}};
// Served by the test component; the manifest writes its id in lower case.
constexpr CLSID CLSID_TestAnswerLowerCase = {
    0xADFDEBB6, 0x8853, 0x48E6, {0x9E, 0x63, 0x60, 0x81, 0xA1, 0xA8, 0x8D, 0x31}};
// Declared for the test component, which does not know it.
constexpr CLSID CLSID_NotInComponent = {
    0x0942C629, 0xCAD7, 0x4C90, {0x85, 0x8A, 0x58, 0x9A, 0x8C, 0x0A, 0x5C, 0xAE}};
// Declared for a library that is not built.
constexpr CLSID CLSID_InMissingLibrary = {
    0x48C4196E, 0xDDC0, 0x4DA5, {0xA5, 0x07, 0x56, 0x85, 0xB9, 0x83, 0xCC, 0xF5}};
// Declared for a library without DllGetClassObject.
constexpr CLSID CLSID_InLibraryWithoutExport = {
    0x2CACC11E, 0x4A36, 0x458B, {0xB1, 0x72, 0x35, 0x1F, 0x81, 0x32, 0x28, 0xEE}};
// Declared nowhere.
constexpr CLSID CLSID_Undeclared = {
    0x4ECCCA3E, 0xA341, 0x4FFE, {0xA0, 0x95, 0xC4, 0x23, 0x2E, 0xD9, 0x85, 0x19}};

// Exported by the test component: its objects still alive.
using LiveObjectsFunction = int (*)();
#define TEST_COMPONENT_LIVE_OBJECTS "TestComponentLiveObjects"
