# The public headers are those a host reaches through shopbiz.h: the service headers, the
# platform stand-ins and the database component. Headers that no public header includes (the
# frame's internals, the shared steps of the services) stay private and are not installed.

# Sets <out> to the headers that <entry> includes, directly or through others, <entry> too,
# as paths relative to <root>. Includes are looked up beside the including file, then in <root>.
function(shopbiz_header_closure out root entry)
  set(found "")
  set(todo "${entry}")
  while(todo)
    list(POP_FRONT todo header)
    if(header IN_LIST found)
      continue()
    endif()
    list(APPEND found "${header}")
    file(STRINGS "${root}/${header}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    cmake_path(GET header PARENT_PATH here)
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" name "${line}")
      if(here AND EXISTS "${root}/${here}/${name}")
        cmake_path(APPEND here "${name}" OUTPUT_VARIABLE name)
        cmake_path(NORMAL_PATH name)
      elseif(NOT EXISTS "${root}/${name}")
        message(FATAL_ERROR "${header} includes \"${name}\", which is not under ${root}")
      endif()
      list(APPEND todo "${name}")
    endforeach()
  endwhile()
  list(SORT found)
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# Headers that must never become public, whoever includes them.
set(SHOPBIZ_PRIVATE_HEADERS frame/ServiceFrame.h frame/SqlText.h frame/Transaction.h frame/StatementFaults.h
                            frame/DatabaseErrors.h)

function(shopbiz_public_headers out root)
  shopbiz_header_closure(headers "${root}" shopbiz.h)
  foreach(header IN LISTS SHOPBIZ_PRIVATE_HEADERS)
    if(header IN_LIST headers)
      message(FATAL_ERROR "${header} is internal to the library, but a public header includes it")
    endif()
  endforeach()
  # Reconfigure when a public header changes what it includes.
  list(TRANSFORM headers PREPEND "${root}/" OUTPUT_VARIABLE paths)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${paths})
  set(${out} "${headers}" PARENT_SCOPE)
endfunction()
