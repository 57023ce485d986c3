# Writes the third-party notice of Qt for Windows: what was built, from which
# source package and with which options, Qt's licence texts, and the bundled
# libraries Qt carries inside its DLLs with their licences, as each library's
# qt_attribution.json in the source names them. Run by scripts/windows-qt.sh:
#   cmake -DQT_SOURCE=DIR -DBUILD_INFO=FILE -DOUTPUT=FILE -P WindowsQtNotice.cmake
cmake_minimum_required(VERSION 3.25)

# The bundled code a Windows build of Core, Gui, Widgets, PrintSupport and
# Test compiles in (not: Android, D-Bus, Vulkan, X11, WebAssembly, network).
set(bundled blake2 double-conversion easing freetype harfbuzz-ng icc libjpeg libpng md4c
  md5 pcre2 pixman rfc6234 sha1 sha3 tinycbor zlib)

set(rule "--------------------------------------------------------------------------------")
file(READ "${BUILD_INFO}" info)
set(text "THIRD-PARTY SOFTWARE IN THIS FOLDER\n\n")
string(APPEND text "The Qt DLLs (Qt6*.dll) and plugins (platforms\\, styles\\) in this folder are Qt,\n"
  "(c) The Qt Company Ltd. and other contributors, used under the GNU Lesser General\n"
  "Public License version 3 (LGPL-3.0-only), whose text follows. You may replace\n"
  "them with your own build of the same Qt version. The source is Debian's source\n"
  "package named below, available from any Debian mirror and from us on request.\n\n"
  "${info}\n")

foreach(licence LGPL-3.0-only GPL-3.0-only)
  file(READ "${QT_SOURCE}/LICENSES/${licence}.txt" body)
  string(APPEND text "${rule}\n${licence}\n${rule}\n\n${body}\n")
endforeach()

string(APPEND text "${rule}\nLIBRARIES BUNDLED IN QT\n${rule}\n")
foreach(library IN LISTS bundled)
  set(dir "${QT_SOURCE}/src/3rdparty/${library}")
  if(NOT EXISTS "${dir}/qt_attribution.json")
    message(FATAL_ERROR "${dir}/qt_attribution.json is missing")
  endif()
  file(READ "${dir}/qt_attribution.json" json)
  # One library or an array of them; entries are read by index, since their
  # texts may hold semicolons that a CMake list would split.
  string(JSON kind ERROR_VARIABLE unreadable TYPE "${json}")
  if(unreadable)
    # A few files are not strict JSON (a line break inside a string): their
    # attribution is given as it stands.
    string(APPEND text "\nsrc/3rdparty/${library}:\n${json}\n")
    continue()
  elseif(kind STREQUAL "ARRAY")
    string(JSON count LENGTH "${json}")
    set(paths)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
      list(APPEND paths ${i})
    endforeach()
  else()
    set(paths object)
  endif()
  foreach(path IN LISTS paths)
    if(path STREQUAL "object")
      set(path)
    endif()
    foreach(key Name Version LicenseId License Copyright LicenseFile LicenseFiles)
      string(JSON ${key} ERROR_VARIABLE missing GET "${json}" ${path} ${key})
      if(missing)
        set(${key} "")
      endif()
    endforeach()
    string(APPEND text "\n${Name}")
    if(Version)
      string(APPEND text " ${Version}")
    endif()
    if(NOT LicenseId)
      set(LicenseId "${License}")
    endif()
    string(APPEND text " (src/3rdparty/${library})\nLicence: ${LicenseId}\n")
    if(Copyright)
      string(APPEND text "${Copyright}\n")
    endif()
    set(files)
    if(LicenseFile)
      list(APPEND files "${LicenseFile}")
    endif()
    if(LicenseFiles)
      string(JSON count LENGTH "${json}" ${path} LicenseFiles)
      math(EXPR last "${count} - 1")
      foreach(i RANGE ${last})
        string(JSON file GET "${json}" ${path} LicenseFiles ${i})
        list(APPEND files "${file}")
      endforeach()
    endif()
    foreach(file IN LISTS files)
      if(EXISTS "${dir}/${file}")
        file(READ "${dir}/${file}" body)
        string(APPEND text "\n${body}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
file(WRITE "${OUTPUT}" "${text}")
