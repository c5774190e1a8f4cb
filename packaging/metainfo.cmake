# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the AppStream metainfo from its template. AppStream wants a web address for a screenshot
# and the project has no web site of its own, so the <screenshots> element is written only when the
# packager names the address where docs/screenshot.png is published; an invented one would ship a
# dead link.
#
# packaging/CMakeLists.txt includes this file. The metadata test runs it as a script as well, to
# check the metainfo with and without a screenshot whatever the build was configured with:
#   cmake -DTEMPLATE=<.in> -DOUTPUT=<.xml> -DDALVO_APP_ID=<id> -DPROJECT_DESCRIPTION=<summary>
#         -DDALVO_SCREENSHOT_URL=<address or empty> -P metainfo.cmake

# Uses DALVO_APP_ID, PROJECT_DESCRIPTION and DALVO_SCREENSHOT_URL of the caller.
function(dalvo_write_metainfo template output)
    set(DALVO_SCREENSHOTS "")
    if(NOT "${DALVO_SCREENSHOT_URL}" STREQUAL "")
        # The address goes into XML text.
        string(REPLACE "&" "&amp;" url "${DALVO_SCREENSHOT_URL}")
        string(REPLACE "<" "&lt;" url "${url}")
        string(CONCAT DALVO_SCREENSHOTS
            "  <screenshots>\n"
            "    <screenshot type=\"default\">\n"
            "      <caption>Two wave trains meeting on both media</caption>\n"
            "      <caption xml:lang=\"el\">Δύο κυματοσειρές συναντώνται και στα δύο μέσα</caption>\n"
            "      <image>${url}</image>\n"
            "    </screenshot>\n"
            "  </screenshots>\n")
    endif()
    file(READ "${template}" text)
    # file(CONFIGURE) leaves an unchanged output alone, so its time stamp does not force a rebuild.
    file(CONFIGURE OUTPUT "${output}" CONTENT "${text}" @ONLY)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    foreach(var TEMPLATE OUTPUT DALVO_APP_ID PROJECT_DESCRIPTION)
        if("${${var}}" STREQUAL "")
            message(FATAL_ERROR "metainfo.cmake: -D${var}=... is required")
        endif()
    endforeach()
    dalvo_write_metainfo("${TEMPLATE}" "${OUTPUT}")
endif()
