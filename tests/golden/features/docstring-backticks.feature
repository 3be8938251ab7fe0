Feature: Backtick doc strings
  Scenario: s
    Given a doc string in backticks
        ```markdown
        first line
        """
      \"\"\" is text, shown unescaped by String only in quotes
        \`\`\` is shown as three backticks
        ```
    When a doc string in quotes holds backticks
   """
      ```
      \"\"\"
   """
    Then a closing delimiter may carry a note
      ```
      x
      ``` closing note
    And the next line is a step again
