* Lines are judged by the start of their trimmed text; a step ends a description
Scenarios: the longest keyword that is a prefix wins, without a colon
* x
Scenario Outlines
* x
Scenario  Outline: two blanks
* x
Andrew said
given lower case is text
GIVEN upper case too
Give
I am Given
 Given after a no-break space
　Given after an ideographic space
 	 	Given after blanks and tabs
  |x|
*
	  #include
#Include data.csv
# include spaced.csv
#includ
    """json
    """
""
x | y
Rule: r
* x
Feature: eat
* x
Background:
* x
Examples:
