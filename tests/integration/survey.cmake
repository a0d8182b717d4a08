# Site survey and connecting: the real page and dialog controllers against the simulator.
netvane_add_test(test_survey_integration
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SurveyIntegrationTest.cpp
  LIBS netvane_survey netvane_userclient netvane_test_support netvane_test_fakes
  LABELS integration)
