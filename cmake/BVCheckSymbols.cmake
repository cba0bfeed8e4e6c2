# cmake -DNM=<nm> -DLIBRARY=<lib.so> -DLIST=<file.symbols> [-DUPDATE=ON] -P BVCheckSymbols.cmake
# Compares the library's exported symbols (mangled, sorted) with the committed
# list, and fails on any difference; UPDATE=ON (or BV_UPDATE_SYMBOLS=1 in the
# environment) writes the list instead.
execute_process(COMMAND ${NM} -D --defined-only --format=posix ${LIBRARY}
    OUTPUT_VARIABLE nm_output RESULT_VARIABLE nm_status)
if(NOT nm_status EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${nm_output}")
set(exported)
foreach(line IN LISTS lines)
    if(line MATCHES "^([^ ]+) [A-Za-z] ")
        set(symbol "${CMAKE_MATCH_1}")
        # The linker's own markers of the data segment are in every library.
        if(NOT symbol MATCHES "^(_edata|_end|__bss_start)$")
            list(APPEND exported "${symbol}")
        endif()
    endif()
endforeach()
list(SORT exported)
string(REPLACE ";" "\n" text "${exported}")
set(text "${text}\n")
if(UPDATE OR "$ENV{BV_UPDATE_SYMBOLS}")
    file(WRITE ${LIST} "${text}")
    return()
endif()
file(READ ${LIST} expected)
if(NOT text STREQUAL expected)
    string(REPLACE "\n" ";" expected_list "${expected}")
    list(REMOVE_ITEM expected_list "")
    set(added ${exported})
    list(REMOVE_ITEM added ${expected_list})
    set(removed ${expected_list})
    list(REMOVE_ITEM removed ${exported})
    string(REPLACE ";" "\n  " added "${added}")
    string(REPLACE ";" "\n  " removed "${removed}")
    message(FATAL_ERROR "${LIBRARY} exports other symbols than ${LIST}.\n"
        "New:\n  ${added}\nGone:\n  ${removed}\n"
        "If the change is meant, rewrite the list with the bvwidgets_update_symbols target "
        "(and read the README on the library's ABI).")
endif()
