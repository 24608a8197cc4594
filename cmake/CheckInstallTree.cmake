# Installs the build into a scratch prefix and checks what a host gets there: the library
# with its SONAME link, the package files, the public headers only, and a shopbiz.h that
# compiles with nothing but the installed headers.
# Usage: cmake -DBUILD_DIR=build -DCXX=c++ -DPREFIX=/tmp/x -P CheckInstallTree.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(errors "")
file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
foreach(expected include/shopbiz/shopbiz.h include/shopbiz/frame/CppSQLite3.h include/shopbiz/platform/CString.h
                 include/shopbiz/documents/SaleBLL.h share/shopbiz/shop.sql)
  if(NOT expected IN_LIST installed)
    list(APPEND errors "missing ${expected}")
  endif()
endforeach()
foreach(suffix libshopbiz.so libshopbiz.so.1 pkgconfig/shopbiz.pc cmake/shopbiz/shopbizConfig.cmake
               cmake/shopbiz/shopbizConfigVersion.cmake cmake/shopbiz/shopbizTargets.cmake)
  set(hits ${installed})
  list(FILTER hits INCLUDE REGEX "^lib[^/]*/(.*/)?${suffix}$")
  if(NOT hits)
    list(APPEND errors "missing lib/.../${suffix}")
  endif()
endforeach()
# The frame's internals and the services' shared steps stay private.
foreach(private frame/ServiceFrame.h frame/SqlText.h frame/Transaction.h documents/BillPosting.h
                documents/VirtualBills.h masterdata/CustomerBLL_Report.h masterdata/ProductsSupport.h
                members/MemberRows.h masterdata/CustomerPriceRows.h money/AccountBLL_DayLines.h
                money/JournalTexts.h)
  if("include/shopbiz/${private}" IN_LIST installed)
    list(APPEND errors "internal header installed: ${private}")
  endif()
endforeach()

file(WRITE "${PREFIX}-check.cpp" "#include \"shopbiz.h\"\nint main() { CppSQLite3DB db; return db.isOpen(); }\n")
execute_process(COMMAND ${CXX} -std=c++20 -fsyntax-only -I "${PREFIX}/include/shopbiz" "${PREFIX}-check.cpp"
                RESULT_VARIABLE rc ERROR_VARIABLE compile_errors)
if(NOT rc EQUAL 0)
  list(APPEND errors "shopbiz.h does not compile from the installed headers alone:\n${compile_errors}")
endif()

if(errors)
  list(JOIN errors "\n" errors)
  message(FATAL_ERROR "${errors}")
endif()
message(STATUS "installed tree in ${PREFIX} is complete")
