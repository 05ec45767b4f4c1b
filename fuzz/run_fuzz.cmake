# Runs one fuzzer for a while on a writable copy of its seed corpus in the build folder.
# Arguments: FUZZER, SEEDS, WORK, SECONDS, and optionally DICT.
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
file(GLOB seeds ${SEEDS}/*)
file(COPY ${seeds} DESTINATION ${WORK}/corpus)
set(options -max_total_time=${SECONDS} -timeout=10 -close_fd_mask=3 -print_final_stats=1
            -artifact_prefix=${WORK}/artifacts/)
if(DICT)
  list(APPEND options -dict=${DICT})
endif()
execute_process(COMMAND ${FUZZER} ${options} ${WORK}/corpus RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a fault (exit ${result}); inputs in ${WORK}/artifacts")
endif()
