Feature: Escaped pipes in table rows
  Scenario: s
    Given rows
      | a \| b | \\\|c |
      |x\\|y\\\\|
    When a row's last pipe is escaped, the table is left as it is
      | a \| b |
      | a \|
