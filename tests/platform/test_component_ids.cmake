# The ids of the layer tests' COM interface and classes, each written once: the tests and the
# test component (test_component_ids.h, which says what each is for) and the tests' manifest
# (platform_test.manifest) are configured from here.
set(test_component_ids
    IID_ITestAnswer {28029C41-AE97-4ADF-BCF1-861E728AE3E6}
    CLSID_TestAnswer {90316574-EC4D-4EE4-BBC1-F3E87084143A}
    # The manifest writes this one in lower case.
    CLSID_TestAnswerLowerCase {ADFDEBB6-8853-48E6-9E63-6081A1A88D31}
    CLSID_NotInComponent {0942C629-CAD7-4C90-858A-589A8C0A5CAE}
    CLSID_InMissingLibrary {48C4196E-DDC0-4DA5-A507-5685B983CCF5}
    CLSID_InLibraryWithoutExport {2CACC11E-4A36-458B-B172-351F813228EE}
    CLSID_Undeclared {4ECCCA3E-A341-4FFE-A095-C4232ED98519})
