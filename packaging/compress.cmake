# One compressed page of the package: INPUT, through scdoc first when SCDOC is given, packed
# with gzip -9n (no name, no time stamp: the same source gives the same bytes).
#   cmake -DINPUT=… -DOUTPUT=….gz [-DSCDOC=/usr/bin/scdoc] -P compress.cmake
set(page "${INPUT}")
if(SCDOC)
    set(page "${OUTPUT}.page")
    execute_process(COMMAND "${SCDOC}" INPUT_FILE "${INPUT}" OUTPUT_FILE "${page}"
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "scdoc could not read ${INPUT}")
    endif()
endif()
execute_process(COMMAND gzip -9n -c INPUT_FILE "${page}" OUTPUT_FILE "${OUTPUT}.tmp"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip could not pack ${page}")
endif()
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
