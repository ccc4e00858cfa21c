# Replays the regressions, then fuzzes a scratch copy of the seeds for a
# bounded time. Fails when the fuzzer finds a crash, leak or timeout.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
if(EXISTS ${SEEDS})
    file(GLOB seeds ${SEEDS}/*)
    if(seeds)
        file(COPY ${seeds} DESTINATION ${WORK})
    endif()
endif()

if(EXISTS ${REGRESSIONS})
    file(GLOB regressions ${REGRESSIONS}/*)
    if(regressions)
        execute_process(COMMAND ${FUZZER} ${regressions} RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "a regression input fails again (exit ${rc})")
        endif()
    endif()
endif()

# A fixed seed and run count keep the run the same every time; the time
# limit only caps a slow machine.
execute_process(
    COMMAND ${FUZZER} -seed=1 -runs=${RUNS} -max_total_time=${SECONDS} -timeout=10
            -rss_limit_mb=2048 -artifact_prefix=${WORK}/../ ${WORK}
    RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the fuzzer found a problem (exit ${rc}); see the artifact beside ${WORK}")
endif()
