# The ids the launcher and its component libraries agree on, each written here once. The
# contract header (launcher/contract/app_run_interface.h.in), the application manifest, the
# package note and the component kit's note are configured from this table.
# Included by the top-level CMakeLists.txt; never run on its own.

# The class the launcher creates, and the interface it calls on it.
set(LAUNCHER_APPRUN_CLSID {2A8DD00C-FB66-526C-A6D3-AF3F5C9D0070})
set(LAUNCHER_APPRUN_PROGID Norvale.Linkage.AppRun.1)
set(LAUNCHER_IAPPRUN_IID {82AFA8CE-E16B-55B4-A4DB-14BA3E35164B})

# The component libraries the manifest declares, in its order, each as <name>.dll; the first
# provides AppRun. Per library:
#   _TYPELIB  its type library's id, when it has one (every class of the library names it)
#   _CLASSES  one entry per class: "clsid" or "clsid progid"
# Every type library is version 1.0.
set(LAUNCHER_COMPONENT_LIBRARIES
    NvLinkApp
    NvLinkCore
    NvLinkData
    NvLinkAcct
    NvLinkTax
    NvLinkUi
    NvLinkConv
    NvLinkPrint
    NvLinkCheck
    NvLinkUtil)
set(LAUNCHER_TYPELIB_VERSION 1.0)
list(GET LAUNCHER_COMPONENT_LIBRARIES 0 LAUNCHER_APPRUN_LIBRARY)
set(LAUNCHER_APPRUN_LIBRARY ${LAUNCHER_APPRUN_LIBRARY}.dll)

set(LAUNCHER_COMPONENT_NvLinkApp_CLASSES
    "${LAUNCHER_APPRUN_CLSID} ${LAUNCHER_APPRUN_PROGID}")

set(LAUNCHER_COMPONENT_NvLinkCore_TYPELIB {0945C849-1785-5D10-82BD-BF13B3D0B148})
set(LAUNCHER_COMPONENT_NvLinkCore_CLASSES
    "{D1FA04CD-F953-56D3-BF9D-1C0926DBAB49} Norvale.Linkage.Core1.1"
    "{FC0440E4-2311-57AB-8FE5-6491620114B7} Norvale.Linkage.Core2.1"
    "{74D66DD4-85F9-554E-A1AE-02E002658FC3} Norvale.Linkage.Core3.1"
    "{F092820F-5D47-5D6F-9BB4-100B53104D8C} Norvale.Linkage.Core4.1"
    "{CCBD2747-E74B-5E65-AEAE-5605AA2A21D8} Norvale.Linkage.Core5.1"
    "{36EC9F0E-338C-57A4-A2F8-ED724FD8917A} Norvale.Linkage.Core6.1"
    "{88C35EB0-FB82-5826-98A2-C226A7BA6AA5} Norvale.Linkage.Core7.1"
    "{4C4F63D3-9044-54DA-A569-257C88122708} Norvale.Linkage.Core8.1")

set(LAUNCHER_COMPONENT_NvLinkData_TYPELIB {DA7EEA49-47DA-5971-9483-1E52603F12A2})
set(LAUNCHER_COMPONENT_NvLinkData_CLASSES
    "{255293CF-379B-59DB-B76B-19C28BF72571} Norvale.Linkage.Data1.1"
    "{351A3AD3-0F57-5B75-BB5C-05957B24FCFA} Norvale.Linkage.Data2.1"
    "{6C3053D1-87E7-5DFE-9ACA-B55E7AC4FF46} Norvale.Linkage.Data3.1"
    "{450BBD5A-A25E-5E94-AE6C-E6768F37C2A8} Norvale.Linkage.Data4.1"
    "{779E293B-CC1E-56DD-BA19-39A6D73754F5} Norvale.Linkage.Data5.1"
    "{296F6147-F9DF-57DF-8F93-5E7725CED150} Norvale.Linkage.Data6.1"
    "{58334403-03C0-5CE3-9CBE-A1F014DEAF7D}"
    "{547EA177-2688-549E-81F6-69456E7A9368}")

set(LAUNCHER_COMPONENT_NvLinkAcct_TYPELIB {AB64972E-A250-5D2A-B655-8D2258F13AED})
set(LAUNCHER_COMPONENT_NvLinkAcct_CLASSES
    "{E52CE460-6C35-5F34-8E80-49496B0C233B} Norvale.Linkage.Acct1.1"
    "{84D3EC16-C719-51FA-9CA5-3231B9E72211} Norvale.Linkage.Acct2.1"
    "{0C85ABB3-7D7B-5D5A-A68F-1364B1D5BD46} Norvale.Linkage.Acct3.1"
    "{2F6FA6D8-AA03-567D-88AA-F0D85EFEBE17} Norvale.Linkage.Acct4.1"
    "{BE3462B2-3597-5E87-BAD6-5659BFBC321A} Norvale.Linkage.Acct5.1"
    "{DC87B477-A41C-515D-BC65-7DD5CAD03CB1} Norvale.Linkage.Acct6.1"
    "{A698E47B-8952-5815-97C3-4D06C1B7FC87} Norvale.Linkage.Acct7.1")

set(LAUNCHER_COMPONENT_NvLinkTax_TYPELIB {762504B5-5295-597A-A7A3-8A15D1F094E7})
set(LAUNCHER_COMPONENT_NvLinkTax_CLASSES
    "{E39EC6FF-B58F-5C34-805B-ED7CA199B827} Norvale.Linkage.Tax1.1"
    "{EB7A43A2-CC79-5EA2-AAB7-254F1574252B} Norvale.Linkage.Tax2.1"
    "{4ABBC96A-5A16-5B40-9EB9-552539E4702D} Norvale.Linkage.Tax3.1"
    "{085EF7CC-6C77-5DE6-B28C-D26C336AAF4B} Norvale.Linkage.Tax4.1"
    "{4F124714-549B-5A8D-B325-4DA121BBE0DB} Norvale.Linkage.Tax5.1"
    "{C3BD7832-C747-5C40-84F1-DD900404A46E}"
    "{CEF8D7C9-6692-5086-8AC9-6F2399FF5A1D}")

set(LAUNCHER_COMPONENT_NvLinkUi_TYPELIB {1BBB7FCE-B1B5-50B8-A678-ECED3A379FD0})
set(LAUNCHER_COMPONENT_NvLinkUi_CLASSES
    "{9858CFE3-AEAE-5B0A-B4E4-27E99F990EFF} Norvale.Linkage.Ui1.1"
    "{AE8D09CD-CA5A-5B6C-80B2-EB21958D2D21} Norvale.Linkage.Ui2.1"
    "{42F89EEC-EE6E-5DFE-8709-33C3A62827E2} Norvale.Linkage.Ui3.1"
    "{C931B1D1-9C04-5C74-8A9B-A97B753DB793} Norvale.Linkage.Ui4.1"
    "{862CF672-43F0-5E88-AD6C-B2E407AF6F2B} Norvale.Linkage.Ui5.1"
    "{F26ECA5D-B175-59A2-A2DC-F7D4E2904032} Norvale.Linkage.Ui6.1")

set(LAUNCHER_COMPONENT_NvLinkConv_CLASSES
    "{33D7E8B1-D14A-5A6F-82B6-4C1AA826F7A1} Norvale.Linkage.Conv1.1"
    "{655C219D-D8C4-54C4-8A03-77BDA1DCA368} Norvale.Linkage.Conv2.1"
    "{E1334224-78D3-5E94-BB35-3595C1A55408} Norvale.Linkage.Conv3.1"
    "{324F7A7E-C16A-5778-9BFE-5728FBF1B954}"
    "{67F99685-37A3-5B4E-9D60-A03410503673}")

set(LAUNCHER_COMPONENT_NvLinkPrint_CLASSES
    "{ABD51BCC-9158-5152-8E73-2DCE0DAA9F51} Norvale.Linkage.Print1.1"
    "{62CC0F9E-CAEE-5A68-8C26-99C1A9BACD22} Norvale.Linkage.Print2.1"
    "{2F5174EB-729D-5FB2-BA2E-4757F7E7A480} Norvale.Linkage.Print3.1"
    "{A59F8E17-C39E-5AF7-BD27-B7FE9284ECBA} Norvale.Linkage.Print4.1")

set(LAUNCHER_COMPONENT_NvLinkCheck_CLASSES
    "{EDE3AF7F-C27D-54C8-A0EE-600A0A1EB0B2} Norvale.Linkage.Check1.1"
    "{2DF845FB-EC57-5EDF-9B73-378B7BFC6208} Norvale.Linkage.Check2.1"
    "{2AA18585-1A91-591D-AB22-E4D93257FA85}"
    "{0693BBC2-1AFD-58BB-AF9D-410B521A251F}")

set(LAUNCHER_COMPONENT_NvLinkUtil_CLASSES
    "{C322EF9E-0651-5713-A8A6-3377EA8508A5} Norvale.Linkage.Util1.1"
    "{B74AF61F-03FD-59F8-8082-9215F75B497D} Norvale.Linkage.Util2.1"
    "{71DA6579-126F-55E8-AC56-A3FCFCC8B26E} Norvale.Linkage.Util3.1"
    "{BB8EEF91-9546-5665-A2D5-E1B7965CFE54} Norvale.Linkage.Util4.1"
    "{C96AF678-89FB-504C-B5E7-04614FED02A9} Norvale.Linkage.Util5.1"
    "{4D8840CF-4AFB-573E-B95F-BF5B30A10DF5} Norvale.Linkage.Util6.1"
    "{60F262D2-AB44-505F-9942-EF5DE3E41387} Norvale.Linkage.Util7.1"
    "{97D55CAF-D02B-584B-BA3E-5E9D15E01B86}")

# launcher_guid_initializer(OUT {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}): the same id as a C++
# GUID initializer, "0xXXXXXXXX, 0xXXXX, 0xXXXX, {0xXX, ...}".
function(launcher_guid_initializer out text)
    string(REPEAT "[0-9A-F]" 4 h4)
    string(REPEAT "${h4}" 2 h8)
    string(REPEAT "${h4}" 3 h12)
    if(NOT text MATCHES "^{(${h8})-(${h4})-(${h4})-(${h4})-(${h12})}$")
        message(FATAL_ERROR "'${text}' is no class or interface id in upper-case registry form")
    endif()
    set(data1 ${CMAKE_MATCH_1})
    set(data2 ${CMAKE_MATCH_2})
    set(data3 ${CMAKE_MATCH_3})
    set(data4 ${CMAKE_MATCH_4}${CMAKE_MATCH_5})
    set(bytes "")
    foreach(offset RANGE 0 14 2)
        string(SUBSTRING ${data4} ${offset} 2 byte)
        list(APPEND bytes 0x${byte})
    endforeach()
    list(JOIN bytes ", " bytes)
    set(${out} "0x${data1}, 0x${data2}, 0x${data3}, {${bytes}}" PARENT_SCOPE)
endfunction()
